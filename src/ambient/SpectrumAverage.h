#pragma once

#include "ambient/AmbientRecord.h"

#include <QByteArray>
#include <array>

namespace orvik {

// The booth spectrum as the ten "&R1" samples of a measurement give it. Each band sums 10^L of its levels and
// ends at log10(sum / n): not the energy mean 10·log10 of the mean of 10^(L/10), but a mean that leans ten times
// harder towards the loudest samples (docs/ambient.md). Booth records measured since the first version hold
// this figure, so it stays.
class SpectrumAverage {
public:
    // The bytes of one "&R1" download as the booth reads it: the first BoothBlockSize bytes of the block in a
    // zero-filled buffer, so the last band reads as 0 dB plus the calibration offset.
    static constexpr int BoothBlockSize = 67;
    static constexpr int BufferSize = 128;

    void add(const QByteArray& block, float calibrationOffset);
    // Adds one sample given as levels (dB); what add() does after decoding.
    void addLevels(const std::array<double, AmbientBandCount>& levels);
    std::array<float, AmbientBandCount> result() const;

private:
    std::array<double, AmbientBandCount> m_sums{};
    int m_samples = 0;
};

} // namespace orvik
