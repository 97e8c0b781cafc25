#include "measure/OneThirdOctaveBands.h"

namespace orvik {

namespace {
constexpr std::array<double, SpectrumBandCount> CentreHz{
    12.5, 16,  20,   25,   31.5, 40,   50,   63,   80,   100,  125,  160,  200,   250,   315,   400,  500,
    630,  800, 1000, 1250, 1600, 2000, 2500, 3150, 4000, 5000, 6300, 8000, 10000, 12500, 16000, 20000};

// Test frequencies, in index order: 31.5, 63, 125, 160, 200, 250, 315, 400, 500, 630, 750, 800, 1000, 1250, 1500,
// 1600, 2000, 2500, 3000, 3150, 4000, 5000, 6000, 6300, 8000, 9000, 10000, 11000, 11200, 12000, 12500, 13000,
// 14000, 15000, 16000, 17000, 18000, 19000, 20000 Hz.
constexpr std::array<int, TestFrequencyCount> BandOfFrequency{4,  7,  10, 11, 12, 13, 14, 15, 16, 17, 18, 18, 19,
                                                              20, 21, 21, 22, 23, 24, 24, 25, 26, 27, 27, 28, 29,
                                                              29, 29, 29, 30, 30, 30, 30, 31, 31, 31, 32, 32, 32};

// Where several test frequencies share a band, the one on the band's nominal centre carries the correction.
constexpr std::array<int, SpectrumBandCount> FrequencyOfBand{-1, -1, -1, -1, 0,  -1, -1, 1,  -1, -1, 2,
                                                             3,  4,  5,  6,  7,  8,  9,  11, 12, 13, 15,
                                                             16, 17, 19, 20, 21, 23, 24, 26, 30, 34, 38};
} // namespace

double bandCentreHz(int band) {
    return band >= 0 && band < SpectrumBandCount ? CentreHz[band] : 0.0;
}

int bandOfFrequencyIndex(int frequencyIndex) {
    return frequencyIndex >= 0 && frequencyIndex < TestFrequencyCount ? BandOfFrequency[frequencyIndex] : -1;
}

int frequencyIndexOfBand(int band) {
    return band >= 0 && band < SpectrumBandCount ? FrequencyOfBand[band] : -1;
}

} // namespace orvik
