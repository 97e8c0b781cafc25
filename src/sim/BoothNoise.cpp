#include "sim/BoothNoise.h"

namespace orvik::sim {

namespace {
constexpr int Band4000Hz = 25;
} // namespace

BoothSpectrum quietBooth() {
    // The meter adds its own floor (3 dB a band at the booth gain), so the audiometric bands sit low enough that
    // the sum still clears the 6 dB at 4000 Hz and the 8 dB at 1000 Hz, with the readings' spread to spare.
    return {40.0, 38.3, 36.6, 34.9, 33.2, 31.5, 29.8, 28.1, 26.4, 24.7, // 12.5 .. 100 Hz
            18.0, 15.0, 13.0, 11.0, 9.0,  7.0,  5.0,  3.0,  2.0,  1.0,  // 125 .. 1000 Hz
            0.0,  0.0,  -1.0, -2.0, -2.0, -2.0, -3.0, -4.0, -5.0,       // 1250 .. 8000 Hz
            -6.0, -7.0, -8.0, -10.0};                                   // 10 .. 20 kHz
}

BoothSpectrum demoBooth() {
    BoothSpectrum booth = quietBooth();
    booth[Band4000Hz] = 8.5;
    return booth;
}

} // namespace orvik::sim
