#include "database/EngineDate.h"

#include <QRegularExpression>

namespace orvik {

namespace {
const QDate EngineEpoch(1899, 12, 30);

std::optional<QDate> validDate(int year, int month, int day) {
    const QDate date(year, month, day);
    return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
}
} // namespace

double engineDate(const QDate& date) {
    return static_cast<double>(EngineEpoch.daysTo(date));
}

QDate dateFromEngine(double value) {
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
