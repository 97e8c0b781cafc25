#pragma once

#include <QDate>
#include <QString>
#include <optional>

namespace orvik {

// The engine's date value: days since 1899-12-30, the date part only.
double engineDate(const QDate& date);
QDate dateFromEngine(double value);

// A record's date text ("%4d-%02d-%02d", blanks allowed after the year's dash) as a date; nullopt when it
// does not parse.
std::optional<QDate> parseRecordDate(const QString& text);

// A date typed into a search field: year-month-day or month/day/year.
std::optional<QDate> parseSearchDate(const QString& text);

// "%b. %d, %Y" as the browser shows it: "Mar. 05, 2024".
QString browserDateText(double engineValue);

} // namespace orvik
