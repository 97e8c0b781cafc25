#include "measure/DistortionProfile.h"

#include <cmath>

namespace orvik {

namespace {
constexpr FreqIndex At250Hz = freqIndexOf(250.0f);
constexpr FreqIndex At500Hz = freqIndexOf(500.0f);
constexpr FreqIndex At5000Hz = freqIndexOf(5000.0f);
} // namespace

int DistortionProfile::dialHl(FreqIndex index) const {
    if (bone)
        return index == At250Hz ? 20 : 50;
    if (index < At250Hz)
        return 75;
    // The middle of the range takes the most; at the ends an earphone runs out of output first.
    return index >= At500Hz && index < At5000Hz ? 110 : 90;
}

QString DistortionProfile::dialText(FreqIndex index, const QString& ear) const {
    const double hz = frequencyHz(index);
    if (bone)
        return QString::asprintf(" %d dBHL (or max level) at %.0f Hz", dialHl(index), hz);
    return QString::asprintf(" %d dBHL or max level %s (whichever is lower) at %.0f Hz", dialHl(index),
                             qPrintable(ear), hz);
}

const DistortionProfile& earphoneDistortion() {
    static const DistortionProfile profile{false, 0, LastLowFrequency, {2.0, 2.0, 0.3, 0.3}, 2.5, " 2.5"};
    return profile;
}

const DistortionProfile& boneDistortion() {
    static const DistortionProfile profile{
        true, freqIndexOf(250.0f), freqIndexOf(4000.0f), {5.0, 2.0, 2.0, 2.0}, 5.5, " 5.5"};
    return profile;
}

double harmonicPercent(double relativeDb) {
    return 100.0 * std::pow(10.0, relativeDb / 20.0);
}

double thdPercent(const std::array<double, 4>& percents) {
    double sum = 0.0;
    for (double percent : percents)
        sum += percent * percent;
    return std::sqrt(sum);
}

} // namespace orvik
