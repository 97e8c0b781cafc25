#pragma once

#include <QString>

namespace orvik {

// The test date as the summary view edits it: year, month list position (0 = January), day.
struct SummaryDate {
    static constexpr const char* MonthNames[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                   "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

    int year = 0;
    int monthIndex = 0;
    int day = 1;

    // The stored "%4d-%02d-%02d"; an empty or unreadable text gives year 0, January, day 1.
    static SummaryDate fromStored(const QString& stored);
    // Whether the day exists in that month of the widened year: there is no February 30.
    bool isCalendarDate() const;
    // Two-digit years: below 90 are this century, the others the last. Empty when the year stays at or
    // below 1900, so the stored date is left as it was, and for a day that is not in the calendar.
    QString toStored() const;
    // Why the typed date is refused, and which date the record keeps instead.
    QString refusal(const QString& keptDate) const;

private:
    int widenedYear() const;
};

// Status cell texts of the summary list: 1 pass, -1 fail, 99 not applicable, anything else not run. A transducer
// the set-up does not use is not applicable unless it was judged all the same.
QString summaryStatusText(int status, bool transducerInUse);

} // namespace orvik
