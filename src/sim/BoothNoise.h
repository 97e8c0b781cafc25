#pragma once

#include <array>

namespace orvik::sim {

using BoothSpectrum = std::array<double, 33>; // one-third-octave bands from 12.5 Hz, dB SPL

// A well-built booth: rumble below 125 Hz and, at every audiometric band, at least 2 dB below the strictest
// (ears not covered) limits once the meter's own noise at the booth gain is added.
BoothSpectrum quietBooth();
// The booth a demo starts with: the quiet booth with a whine at 4000 Hz (a ventilation fan), loud enough to fail
// the ears-not-covered limit there and far inside the ears-covered one, so a newcomer sees both verdicts.
BoothSpectrum demoBooth();

} // namespace orvik::sim
