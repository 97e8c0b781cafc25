#include "measure/ToneJudgement.h"

namespace orvik {

namespace {
// Values on a bound pass; float storage must not push a value that sits on it outside.
constexpr double BoundSlack = 1e-4;
constexpr FreqIndex FirstWideIndex = 22; // 6000 Hz
} // namespace

bool PassBand::contains(double value) const {
    return value >= low - BoundSlack && value <= high + BoundSlack;
}

PassBand hearingLevelBand(FreqIndex index) {
    return index < FirstWideIndex ? PassBand{-3.0, 3.0} : PassBand{-5.0, 5.0};
}

PassBand narrowBandBand() {
    return {-3.0, 5.0};
}

double frequencyTolerance(int audiometerType) {
    return audiometerType <= 2 ? 0.01 : 0.02;
}

bool frequencyPasses(double measuredHz, double nominalHz, double tolerance) {
    const double limit = tolerance * nominalHz;
    return PassBand{-limit, limit}.contains(measuredHz - nominalHz);
}

FmJudgement judgeFm(const FmEntry& entry, double nominalHz, double configuredRateHz, double configuredDeviation) {
    FmJudgement judgement;
    if (entry.carrier > 0.0f)
        judgement.deviationPercent = (double(entry.highest) - entry.lowest) / entry.carrier * 100.0;
    judgement.carrierPasses = frequencyPasses(entry.carrier, nominalHz, 0.03);
    const bool rateConfigured = PassBand{4.0, 20.001}.contains(configuredRateHz);
    judgement.ratePasses = rateConfigured && frequencyPasses(entry.rate, configuredRateHz, 0.10);
    const bool deviationConfigured = PassBand{5.0, 25.001}.contains(configuredDeviation);
    judgement.deviationPasses =
        deviationConfigured && frequencyPasses(judgement.deviationPercent, configuredDeviation, 0.10);
    return judgement;
}

} // namespace orvik
