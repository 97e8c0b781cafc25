#pragma once

#include <QString>
#include <array>

namespace orvik {

// The two sets of maximum permissible ambient levels: the set in force since 11 March 2010 and the one before.
enum class LimitSet { Newer, Older };

// The three audiometric test ranges, each judged for ears covered and ears not covered.
inline constexpr int AnsiRangeCount = 3;
// Level pages 0..2 are the ANSI ranges ("125 - 8K Hz", "250 - 8K Hz", "500 - 8K Hz"), page 3 the OSHA limits.
inline constexpr int OshaRange = 3;

// One row a level page can show: its frequency label, the spectrum band it reads and its limits in dB SPL.
struct LimitRow {
    const char* label;
    int band;
    // By range: ears covered, then ears not covered.
    std::array<float, AnsiRangeCount> covered;
    std::array<float, AnsiRangeCount> notCovered;
    float osha; // 0: not on the OSHA page
};

inline constexpr int LimitRowCount = 11;
const std::array<LimitRow, LimitRowCount>& limitRows(LimitSet set);

// The set a measurement date selects. The date is "YYYY-MM-DD" as the record stores it or "MM/DD/YYYY"; an empty
// date counts as a new test, a date that cannot be read as an old one.
LimitSet limitSetFor(const QString& measurementDate);

QString rangeTitle(int range);

} // namespace orvik
