#include "shell/SummaryFields.h"

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

QString SummaryDate::toStored() const {
    int fullYear = year;
    if (fullYear < 1900)
        fullYear += fullYear < 90 ? 2000 : 1900;
    if (fullYear <= 1900)
        return {};
    return QStringLiteral("%1-%2-%3")
        .arg(fullYear, 4, 10, QLatin1Char(' '))
        .arg(monthIndex + 1, 2, 10, QLatin1Char('0'))
        .arg(day, 2, 10, QLatin1Char('0'));
}

QString summaryStatusText(int status) {
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
