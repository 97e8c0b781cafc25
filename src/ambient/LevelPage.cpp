#include "ambient/LevelPage.h"

#include "model/FixedText.h"

namespace orvik {

namespace {
// Levels this low are the "not measured" marker, or so far below any limit that showing them would mislead.
constexpr float ShownFloorDb = -50.0f;

QString limitText(float limit, bool failing) {
    return QString::asprintf(failing ? "(%.1f)" : "%.1f", double(limit));
}
} // namespace

BandVerdict judgeBand(float measured, float limit) {
    if (measured <= ShownFloorDb)
        return BandVerdict::NotMeasured;
    return measured - limit > 0.0f ? BandVerdict::Fail : BandVerdict::Pass;
}

std::vector<LevelRow> levelPageRows(const AmbientRecord& record, int range, bool showFail) {
    const bool osha = range == OshaRange;
    std::vector<LevelRow> rows;
    for (const LimitRow& limits : limitRows(limitSetFor(fixedText(record.measurementDate)))) {
        if (osha && limits.osha == 0.0f)
            continue;
        LevelRow row;
        row.label = QString::fromLatin1(limits.label);
        row.measured = record.spectrum[limits.band];
        row.measuredText =
            row.measured <= ShownFloorDb ? QStringLiteral("----") : QString::asprintf("%.1f", double(row.measured));
        row.limit = osha ? limits.osha : limits.covered[range];
        row.verdict = judgeBand(row.measured, row.limit);
        const bool failing = showFail && row.verdict == BandVerdict::Fail;
        row.limitText = limitText(row.limit, failing);
        row.marked = failing;
        if (!osha) {
            row.notCovered = limits.notCovered[range];
            row.notCoveredVerdict = judgeBand(row.measured, row.notCovered);
            const bool notCoveredFailing = showFail && row.notCoveredVerdict == BandVerdict::Fail;
            row.notCoveredText = limitText(row.notCovered, notCoveredFailing);
            row.marked = row.marked || notCoveredFailing;
        }
        rows.push_back(row);
    }
    return rows;
}

} // namespace orvik
