#include "measure/ToneFrequencyReading.h"

#include "measure/ReadStableSpectrum.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace orvik {

namespace {
constexpr int MaximumKept = 7;
constexpr int DiscardLimit = 20;
constexpr int Agreeing = 3;

long wholeHz(double hz) {
    return long(std::trunc(hz));
}

bool insideWindow(double hz, double nominalHz) {
    const double ratio = hz / nominalHz;
    return ratio > 0.75 && ratio < 1.25;
}

bool lastThreeAgree(const QList<double>& kept) {
    const qsizetype n = kept.size();
    return n >= Agreeing && wholeHz(kept[n - 1]) == wholeHz(kept[n - 2]) &&
           wholeHz(kept[n - 2]) == wholeHz(kept[n - 3]);
}

std::optional<double> mostFrequentFirst(const QList<double>& kept) {
    for (double hz : kept) {
        const auto same =
            std::count_if(kept.begin(), kept.end(), [&](double other) { return wholeHz(other) == wholeHz(hz); });
        if (same >= Agreeing)
            return hz;
    }
    return std::nullopt;
}
} // namespace

ToneFrequencyResult settleToneFrequency(double nominalHz, const std::function<int(double& hz)>& read) {
    ToneFrequencyResult result;
    int discarded = 0;
    while (result.kept.size() < MaximumKept) {
        double hz = 0.0;
        result.status = read(hz);
        if (result.status < 0)
            return result;
        // A counter that keeps reading outside the window is believed after a while rather than polled forever.
        if (!insideWindow(hz, nominalHz) && discarded < DiscardLimit) {
            ++discarded;
            continue;
        }
        discarded = 0;
        result.kept.append(hz);
        if (lastThreeAgree(result.kept)) {
            result.hz = hz;
            result.found = true;
            return result;
        }
    }
    const std::optional<double> common = mostFrequentFirst(result.kept);
    result.found = common.has_value();
    result.hz = common.value_or(0.0);
    return result;
}

QString inconsistentFrequencyMessage(const QList<double>& kept) {
    QString text = QStringLiteral(
        "Unable to get a consistent frequency reading.\nThese are the frequencies that were read in 5 tries:\n");
    for (int i = 0; i < 5; ++i)
        text += QString::asprintf("     %.1f\n", i < kept.size() ? kept[i] : 0.0);
    return text;
}

} // namespace orvik
