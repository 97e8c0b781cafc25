#pragma once

#include "core/ProgressWindow.h"
#include "measure/MeterLink.h"
#include "model/FrequencyTable.h"
#include "model/RecordResults.h"

namespace orvik {

enum class HarmonicOutcome {
    Read,              // the entry holds the point
    NotComputed,       // the meter answered " --- ": the technician may measure again
    FundamentalTooLow, // no fundamental above 75 Hz in twenty tries; the technician has been told
    Failed,            // a link error or the technician's Cancel (`status`)
};

struct HarmonicResult {
    HarmonicOutcome outcome = HarmonicOutcome::Failed;
    int status = 0;
};

// The one reading of a distortion point that both distortion pages share: the FFT bandwidth for the frequency,
// the fundamental's frequency and level, the harmonics relative to it and the THD. The meter must be in FFT mode
// with the tone on. `entry` changes only when the point was read whole, so a failed or cancelled reading keeps
// what the point held before.
HarmonicResult readHarmonics(MeterLink& link, FreqIndex index, ProgressWindow& progress, DistortionEntry& entry);

} // namespace orvik
