#pragma once

#include "core/Clock.h"
#include "core/MessageBox.h"
#include "core/ProgressWindow.h"
#include "measure/OneThirdOctaveBands.h"
#include "meter/SlmCommander.h"
#include "meter/Status.h"

namespace orvik {

struct StableSpectrumRequest {
    int band = 19;                  // the band whose readings must agree
    float calibrationOffset = 0.0f; // added to every level read from the meter, dB
    // Per test frequency, taken off the band that frequency is read in; none when null.
    const std::array<float, TestFrequencyCount>* corrections = nullptr;
    float toleranceDb = 1.0f;
    int pauseMs = 200;
};

struct StableSpectrum {
    Spectrum levels{};    // energy mean of the five agreeing readings; the last reading when none agreed
    float lastSpread = 0; // high - low of the watched band over the last five readings
    int readings = 0;     // downloads made
};

// Reads the one-third-octave spectrum until five readings in a row agree within the tolerance at the watched
// band, at most 16 readings. 0 or more on success, Status::NeverStable, Status::Cancelled, or a download error.
// Without a progress window nothing can be cancelled.
int readStableSpectrum(SlmCommander& meter, MessageBox& messages, const StableSpectrumRequest& request,
                       StableSpectrum& result, ProgressWindow* progress);

// The 33 levels of an "&R1" block: per band a whole-dB byte and a 1/256-dB byte, from byte 3 on.
inline constexpr int SpectrumBlockSize = 69;
Spectrum spectrumFromBlock(const QByteArray& block, float calibrationOffset);

} // namespace orvik
