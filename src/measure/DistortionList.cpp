#include "measure/DistortionList.h"

#include "measure/ListNumber.h"
#include "measure/ToneJudgement.h"
#include "model/AudiometerType.h"
#include "model/FixedText.h"

namespace orvik {

namespace {
const QString Missing = QStringLiteral("----");
const char* const HarmonicKeys[] = {"h2", "h3", "h4", "h5"};

bool withinLimit(double percent, double limit) {
    return PassBand{0.0, limit}.contains(percent);
}

QStringList columnsOf(const DistortionProfile& profile) {
    QStringList columns{"Freq.",        "Meas. Freq.",  "Fundamental", "2nd Harmonic", "3rd Harmonic",
                        "4th Harmonic", "5th Harmonic", "THD",         "Max THD"};
    if (profile.bone)
        columns << QStringLiteral("Deviation");
    return columns;
}

class RowBuilder {
public:
    RowBuilder(const DistortionProfile& profile, const TestSetup& setup, ResultList& list)
        : m_profile(profile), m_list(list),
          m_tolerance(frequencyTolerance(audiometerType(fixedText(setup.audType)))) {}

    ResultRow build(FreqIndex index, const DistortionEntry& entry) const {
        ResultRow row;
        row.frequency = index;
        row.cells << listNumber(frequencyHz(index), 0);
        if (entry.fundamental <= NotMeasuredLimit) {
            while (row.cells.size() < m_list.columns.size())
                row.cells << Missing;
            return row;
        }
        const bool frequencyPassesLimit = frequencyPasses(entry.frequency, frequencyHz(index), m_tolerance);
        row.cells << markedIfFailing(listNumber(entry.frequency), frequencyPassesLimit)
                  << listNumber(entry.fundamental);
        if (entry.harmonic[0] == HarmonicsNotComputed)
            notComputed(row);
        else
            harmonicsAndThd(row, entry);
        judgeValue(m_list, row, QStringLiteral("freq"), frequencyPassesLimit, listNumber(entry.frequency));
        return row;
    }

private:
    void notComputed(ResultRow& row) const {
        judgeValue(m_list, row, QLatin1String(HarmonicKeys[0]), false, Missing);
        row.cells << markedIfFailing(Missing, false) << Missing << Missing << Missing << Missing
                  << m_profile.thdLimitText;
        if (m_profile.bone)
            row.cells << Missing;
    }

    void harmonicsAndThd(ResultRow& row, const DistortionEntry& entry) const {
        std::array<double, 4> shown{};
        for (std::size_t k = 0; k < shown.size(); ++k) {
            const float level = entry.harmonic[k];
            if (level == 0.0f) {
                row.cells << Missing;
                continue;
            }
            shown[k] = harmonicPercent(double(level) - entry.fundamental);
            const bool passes = withinLimit(shown[k], m_profile.harmonicLimits[k]);
            judgeValue(m_list, row, QLatin1String(HarmonicKeys[k]), passes, listNumber(level));
            row.cells << markedIfFailing(listNumber(level), passes);
        }
        // The earphone page shows the THD the reading stored; the bone page, like the earphone page for points
        // stored without one, the THD of the harmonics it shows.
        const double thd = !m_profile.bone && entry.thd != 0.0f ? double(entry.thd) : thdPercent(shown);
        const bool passes = withinLimit(thd, m_profile.thdLimit);
        judgeValue(m_list, row, QStringLiteral("thd"), passes, listNumber(thd));
        row.cells << markedIfFailing(listNumber(thd), passes) << m_profile.thdLimitText;
        if (m_profile.bone)
            row.cells << listNumber(thd - m_profile.thdLimit);
    }

    const DistortionProfile& m_profile;
    ResultList& m_list;
    double m_tolerance;
};
} // namespace

ResultList buildDistortionList(const DistortionProfile& profile, const TestSetup& setup,
                               const DistortionEntries& entries) {
    ResultList list;
    list.columns = columnsOf(profile);
    const RowBuilder builder(profile, setup, list);
    for (FreqIndex i = profile.firstIndex; i <= profile.lastIndex; ++i)
        if (setup.frequencySelected[i])
            list.rows << builder.build(i, entries[i]);
    return list;
}

} // namespace orvik
