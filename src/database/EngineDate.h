#pragma once

#include <QDate>
#include <QString>
#include <optional>

namespace orvik {

// The engine's date value: days since 1899-12-30, the date part only.
double engineDate(const QDate& date);
// A stored value is a date only when it is finite and within some thousands of years of the epoch; anything else
// is damage and gives an invalid date, never an integer conversion out of range.
bool isEngineDay(double value);
QDate dateFromEngine(double value);

// A record's date text ("%4d-%02d-%02d", blanks allowed after the year's dash) as a date; nullopt when it
// does not parse.
std::optional<QDate> parseRecordDate(const QString& text);

// A date typed into a search field: year-month-day or month/day/year.
std::optional<QDate> parseSearchDate(const QString& text);

// "%b. %d, %Y" as the browser shows it: "Mar. 05, 2024".
QString browserDateText(double engineValue);

} // namespace orvik
