#include "measure/BoneLevelList.h"

#include "measure/LevelCorrections.h"
#include "measure/ListNumber.h"

#include <cmath>

namespace orvik {

namespace {
const QString Missing = QStringLiteral("----");

QStringList columnsOf(bool showCorrections) {
    if (!showCorrections)
        return {"Frequency", "Measured Level", "Target Lvl", "Deviation"};
    return {"Frequency", "In Lvl", "RETFL", "FL", "Mast.", "Mic.", "T.", "H.", "P", "Meas. Lvl", "Target Lvl", "Dev"};
}

// A chart value of a few thousandths is noise in the chart, not a correction.
double shownMastoidPart(double value) {
    return std::abs(value) < 0.01 ? 0.0 : value;
}

ResultRow boneRow(const BoneLevelListInput& input, FreqIndex i, ResultList& list) {
    ReferenceQuery query;
    query.transducer = int(TransducerKind::BoneVibrator);
    query.frequency = i;
    query.forehead = input.block.placement != 0;
    const qsizetype missingBefore = list.missing.indices().size();
    const double reference = getReferenceLevel(input.setup, query, &list.missing);

    ResultRow row;
    row.frequency = i;
    row.greyed = list.missing.indices().size() > missingBefore;
    row.cells << listNumber(frequencyHz(i), 0);
    const float forceLevel = input.block.forceLevel[i];
    if (forceLevel <= NotMeasuredLimit) {
        for (qsizetype c = 1; c < list.columns.size(); ++c)
            row.cells << Missing;
        return row;
    }
    const MastoidCorrectionParts parts = mastoidCorrectionParts(i, input.setup);
    const double correction = parts.total();
    const int dial = input.block.dialHl[i];
    const double deviation = forceLevel - reference - dial;
    const PassBand band = hearingLevelBand(i);
    judgeRow(list, row, band.contains(deviation), listNumber(deviation));
    const QString measured = listNumber(forceLevel + correction);
    const QString target = listNumber(reference + dial + correction) + QStringLiteral(" +/- ") + listNumber(band.high);
    if (input.showCorrections)
        row.cells << QString::number(dial) << listNumber(reference) << listNumber(forceLevel)
                  << listNumber(shownMastoidPart(parts.mastoid)) << listNumber(parts.microphone)
                  << listNumber(parts.environment.temperature) << listNumber(parts.environment.humidity)
                  << listNumber(parts.environment.pressure);
    row.cells << measured << target << listNumber(deviation);
    return row;
}
} // namespace

ResultList buildBoneLevelList(const BoneLevelListInput& input) {
    ResultList list;
    list.columns = columnsOf(input.showCorrections);
    for (FreqIndex i = FirstBoneLevelIndex; i <= LastBoneLevelIndex; ++i)
        if (input.setup.frequencySelected[i])
            list.rows << boneRow(input, i, list);
    return list;
}

} // namespace orvik
