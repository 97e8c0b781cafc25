#pragma once

#include "model/FrequencyTable.h"
#include "model/RecordResults.h"

#include <QString>

namespace orvik {

// The four kinds of the hearing-level/frequency page; the number is also the page kind the sheet passes.
enum class ToneKind : int { HearingLevel = 0, Frequency = 1, Fm = 2, NarrowBand = 3 };

struct PassBand {
    double low;
    double high;
    bool contains(double value) const;
};

// Deviation limits, dB: hearing level by frequency (wider from 6000 Hz), narrow band fixed.
PassBand hearingLevelBand(FreqIndex index);
PassBand narrowBandBand();

// Allowed frequency error as a fraction of nominal for an audiometer type (`audiometerType`).
double frequencyTolerance(int audiometerType);
bool frequencyPasses(double measuredHz, double nominalHz, double tolerance);

struct FmJudgement {
    double deviationPercent = 0.0; // (highest - lowest) / carrier x 100
    bool carrierPasses = false;
    bool ratePasses = false;
    bool deviationPasses = false;
    bool passes() const { return carrierPasses && ratePasses && deviationPasses; }
};

// Judges an FM point against its nominal frequency and the rate and deviation configured from the
// audiometer's data sheet; a configuration outside the standard's range fails every point.
FmJudgement judgeFm(const FmEntry& entry, double nominalHz, double configuredRateHz, double configuredDeviation);

} // namespace orvik
