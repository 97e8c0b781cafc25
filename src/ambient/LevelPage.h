#pragma once

#include "ambient/AmbientRecord.h"
#include "ambient/BoothLimits.h"

#include <QString>
#include <vector>

namespace orvik {

// How a band compares with one limit: not measured, within it (equal counts as within), or above it.
enum class BandVerdict { NotMeasured, Pass, Fail };

// One row of a level page as shown, with the numbers it was made from.
struct LevelRow {
    QString label;
    float measured = AmbientNotMeasured;
    QString measuredText;    // "%.1f", or "----" when not measured
    float limit = 0.0f;      // ears covered on the ANSI pages, the OSHA limit on the OSHA page
    float notCovered = 0.0f; // ANSI pages only
    QString limitText;       // "%.1f", parenthesised when shown failing
    QString notCoveredText;
    bool marked = false;                                      // exceeds a limit of the page while failures are shown
    BandVerdict verdict = BandVerdict::NotMeasured;           // against `limit`
    BandVerdict notCoveredVerdict = BandVerdict::NotMeasured; // against `notCovered`
};

BandVerdict judgeBand(float measured, float limit);

// The rows of level page `range` (0..2 the ANSI ranges, OshaRange) for a record, judged by the limit set its
// date selects. Whether the ears-not-covered column is shown plays no part: its limits still mark a row.
std::vector<LevelRow> levelPageRows(const AmbientRecord& record, int range, bool showFail);

} // namespace orvik
