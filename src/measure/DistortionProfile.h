#pragma once

#include "model/FrequencyTable.h"

#include <QString>
#include <array>

namespace orvik {

// What tells the earphone distortion page from the bone vibrator's: the frequencies it offers, the dial level
// and prompt of a point, and the limits its harmonics and THD are judged by. Both pages read the meter the same
// way; only these figures differ.
struct DistortionProfile {
    bool bone = false;
    FreqIndex firstIndex = 0;
    FreqIndex lastIndex = 0;
    // Largest ratio to the fundamental, percent, of the 2nd to 5th harmonic.
    std::array<double, 4> harmonicLimits{};
    double thdLimit = 0.0;
    QString thdLimitText; // the "Max THD" column

    int dialHl(FreqIndex index) const;
    // Completes "Set%s"; the earphone form names the ear.
    QString dialText(FreqIndex index, const QString& ear) const;
    bool offers(FreqIndex index) const { return index >= firstIndex && index <= lastIndex; }
};

const DistortionProfile& earphoneDistortion();
const DistortionProfile& boneDistortion();

// A harmonic's level relative to the fundamental as a percentage of it.
double harmonicPercent(double relativeDb);
// The total of several harmonics given in percent.
double thdPercent(const std::array<double, 4>& percents);

} // namespace orvik
