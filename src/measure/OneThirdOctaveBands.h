#pragma once

#include <array>

namespace orvik {

// The meter's one-third-octave spectrum: 33 bands, band 0 = 12.5 Hz to band 32 = 20 kHz.
inline constexpr int SpectrumBandCount = 33;
inline constexpr int TestFrequencyCount = 39;

using Spectrum = std::array<float, SpectrumBandCount>;

// Nominal centre frequency of a band, Hz.
double bandCentreHz(int band);
// The band in which the test frequency with this index is read; -1 for an index outside 0 to 38.
int bandOfFrequencyIndex(int frequencyIndex);
// The test frequency read in a band, for taking off a per-frequency correction; -1 for a band without one.
int frequencyIndexOfBand(int band);

} // namespace orvik
