#include "shell/SummaryFields.h"

#include <QDate>
#include <QStringList>

namespace orvik {

SummaryDate SummaryDate::fromStored(const QString& stored) {
    SummaryDate date;
    const QStringList parts = stored.trimmed().split(u'-');
    if (parts.size() != 3)
        return date;
    date.year = parts[0].toInt();
    date.monthIndex = qBound(0, parts[1].toInt() - 1, 11);
    date.day = qBound(1, parts[2].toInt(), 31);
    return date;
}

int SummaryDate::widenedYear() const {
    if (year < 1900)
        return year + (year < 90 ? 2000 : 1900);
    return year;
}

bool SummaryDate::isCalendarDate() const {
    return QDate(widenedYear(), monthIndex + 1, day).isValid();
}

QString SummaryDate::toStored() const {
    const int fullYear = widenedYear();
    if (fullYear <= 1900 || !isCalendarDate())
        return {};
    return QStringLiteral("%1-%2-%3")
        .arg(fullYear, 4, 10, QLatin1Char(' '))
        .arg(monthIndex + 1, 2, 10, QLatin1Char('0'))
        .arg(day, 2, 10, QLatin1Char('0'));
}

QString SummaryDate::refusal(const QString& keptDate) const {
    const QString month = monthIndex >= 0 && monthIndex < 12 ? QString::fromLatin1(MonthNames[monthIndex])
                                                             : QString::number(monthIndex + 1);
    return QStringLiteral("There is no %1 %2, %3: the test date stays %4.")
        .arg(month)
        .arg(day)
        .arg(widenedYear())
        .arg(keptDate.trimmed().isEmpty() ? QStringLiteral("empty") : keptDate.trimmed());
}

QString summaryStatusText(int status, bool transducerInUse) {
    if (!transducerInUse && status != 1 && status != -1)
        status = 99;
    switch (status) {
    case 1:
        return QStringLiteral("Pass");
    case -1:
        return QStringLiteral("FAIL");
    case 99:
        return QStringLiteral("n/a");
    default:
        return QStringLiteral(" - ");
    }
}

} // namespace orvik
