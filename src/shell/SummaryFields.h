#pragma once

#include <QString>

namespace orvik {

// The test date as the summary view edits it: year, month list position (0 = January), day.
struct SummaryDate {
    int year = 0;
    int monthIndex = 0;
    int day = 1;

    // The stored "%4d-%02d-%02d"; an empty or unreadable text gives year 0, January, day 1.
    static SummaryDate fromStored(const QString& stored);
    // Two-digit years: below 90 are this century, the others the last. Empty when the year stays at or
    // below 1900, so the stored date is left as it was.
    QString toStored() const;
};

// Status cell texts of the summary list: 1 pass, -1 fail, 99 not applicable, anything else not run.
QString summaryStatusText(int status);

} // namespace orvik
