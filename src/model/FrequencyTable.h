#pragma once

#include "model/EarphoneBlock.h"

#include <QString>
#include <array>

namespace orvik {

// Position in the master list of 39 test frequencies; every per-frequency array of the program is indexed by it.
using FreqIndex = int;

inline constexpr FreqIndex FirstFrequencyWithBox = 2; // 125 Hz: 31.5 and 63 Hz keep their flags but get no box
inline constexpr FreqIndex LastLowFrequency = 24;   // 8000 Hz: the conventional range ends here
inline constexpr FreqIndex FirstHighFrequency = 25; // 9000 Hz: the extended high frequencies start here

inline constexpr std::array<float, FrequencyCount> FrequencyTable{
    31.5f,   63.f,    125.f,   160.f,   200.f,   250.f,   315.f,   400.f,   500.f,   630.f,
    750.f,   800.f,   1000.f,  1250.f,  1500.f,  1600.f,  2000.f,  2500.f,  3000.f,  3150.f,
    4000.f,  5000.f,  6000.f,  6300.f,  8000.f,  9000.f,  10000.f, 11000.f, 11200.f, 12000.f,
    12500.f, 13000.f, 14000.f, 15000.f, 16000.f, 17000.f, 18000.f, 19000.f, 20000.f};

inline constexpr bool isFreqIndex(int index) {
    return index >= 0 && index < FrequencyCount;
}

// The index whose frequency is exactly hz, or -1. Used to write the level tables by frequency.
constexpr FreqIndex freqIndexOf(float hz) {
    for (FreqIndex i = 0; i < FrequencyCount; ++i)
        if (FrequencyTable[static_cast<std::size_t>(i)] == hz)
            return i;
    return -1;
}

float frequencyHz(FreqIndex index);
// Short label for warnings: right-aligned in four characters below 10000 Hz (" 125", "1000", "10000").
QString frequencyLabel(FreqIndex index);
// The name used inside settings value names. Tied to the index, not to the frequency: indices 14..23 carry a
// neighbour's name ("RFREQ_1600" for 1500 Hz), and values already stored under those names must keep reading back.
QString frequencyKeyName(FreqIndex index);

// The eleven audiometric frequencies a new audiometer offers (125, 250, 500, 750, 1000 ... 8000 Hz).
inline constexpr std::array<FreqIndex, 11> DefaultFrequencyIndices{2, 5, 8, 10, 12, 14, 16, 18, 20, 22, 24};

// Ticks the default frequencies; every other flag keeps its state, so extra frequencies the technician chose stay.
void selectDefaultFrequencies(qint32 (&selected)[FrequencyCount]);

} // namespace orvik
