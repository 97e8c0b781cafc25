#include "database/EngineDate.h"

#include <QRegularExpression>
#include <cmath>

namespace orvik {

namespace {
const QDate EngineEpoch(1899, 12, 30);
constexpr double FarthestEngineDay = 3.0e6; // about 8200 years either side of the epoch

std::optional<QDate> validDate(int year, int month, int day) {
    const QDate date(year, month, day);
    return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
}
} // namespace

double engineDate(const QDate& date) {
    return static_cast<double>(EngineEpoch.daysTo(date));
}

bool isEngineDay(double value) {
    return std::isfinite(value) && std::abs(value) <= FarthestEngineDay;
}

QDate dateFromEngine(double value) {
    if (!isEngineDay(value))
        return {};
    return EngineEpoch.addDays(static_cast<qint64>(value));
}

std::optional<QDate> parseRecordDate(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral("^\\s*(\\d{1,4})-\\s*(\\d{1,2})-\\s*(\\d{1,2})\\s*$"));
    const auto match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    return validDate(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt());
}

std::optional<QDate> parseSearchDate(const QString& text) {
    static const QRegularExpression slashed(QStringLiteral("^\\s*(\\d{1,2})/(\\d{1,2})/(\\d{4})\\s*$"));
    const auto match = slashed.match(text);
    if (match.hasMatch())
        return validDate(match.captured(3).toInt(), match.captured(1).toInt(), match.captured(2).toInt());
    return parseRecordDate(text);
}

QString browserDateText(double engineValue) {
    static const char* const Months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const QDate date = dateFromEngine(engineValue);
    if (!date.isValid())
        return {};
    return QString::asprintf("%s. %02d, %d", Months[date.month() - 1], date.day(), date.year());
}

} // namespace orvik
