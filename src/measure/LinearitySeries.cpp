#include "measure/LinearitySeries.h"

#include "measure/MeterSetup.h"
#include "measure/ToneJudgement.h"

#include <algorithm>
#include <cmath>

namespace orvik {

namespace {
constexpr int LoudGain = 0; // -20 dB: the meter would overload above 120 dB HL at the working gain
constexpr int LowGainFromLevel = 121;
constexpr int WorkingGainFromLevel = 40;
// 2.0 dB passes, 2.01 dB fails: the variance is judged as the list's two decimals show it.
constexpr double HearingLevelVarianceLimitDb = 2.00999;
} // namespace

int clampMaxDialLevel(int typed) {
    if (typed > LinearityTopLevel)
        return LinearityTopLevel;
    return typed < 0 ? DefaultMaxDialLevel : typed;
}

int dialStepOrDefault(int step) {
    return step == 1 || step == 2 || step == 5 || step == 10 ? step : DefaultDialStep;
}

FreqIndex linearityFrequency(double hz) {
    if (!(hz > 0.0))
        return DefaultLinearityFrequency;
    for (FreqIndex i = 0; i < FrequencyCount; ++i)
        if (double(frequencyHz(i)) >= hz)
            return i;
    return FrequencyCount - 1;
}

int truncatedNoiseFloor(float noiseFloor) {
    if (!std::isfinite(noiseFloor))
        return 0;
    return int(std::clamp(std::trunc(noiseFloor), -1000.0f, 1000.0f));
}

int firstUpLevel(float noiseFloor, int maxLevel, int step) {
    int level = (truncatedNoiseFloor(noiseFloor) / step + 1) * step + maxLevel % step;
    while (level < 0)
        level += step;
    return level;
}

bool hasLinearityReading(float spl) {
    return spl != 0.0f && spl != LinearityUnstable;
}

int gainSettingForLevel(int level) {
    if (level < WorkingGainFromLevel)
        return QuietLinearityGain;
    return level < LowGainFromLevel ? WorkingGain : LoudGain;
}

int gainValueOfSetting(int setting) {
    return -20 + 10 * setting;
}

double stepToleranceDb(int step) {
    return step < 5 ? 0.3 : 1.0;
}

bool stepPasses(double stepVariance, int step) {
    const double tolerance = stepToleranceDb(step);
    return PassBand{-tolerance, tolerance}.contains(stepVariance);
}

bool hearingLevelVariancePasses(double variance) {
    return std::abs(variance) <= HearingLevelVarianceLimitDb;
}

} // namespace orvik
