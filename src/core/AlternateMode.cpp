#include "core/AlternateMode.h"

#include <QDir>
#include <QFile>

namespace orvik {

bool readAlternateMode(const QString& programFolder) {
    QFile file(QDir(programFolder).filePath(QStringLiteral("AlternateFile")));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    constexpr qint64 MaxLine = 14;
    const QByteArray firstLine = file.readLine(MaxLine + 1).left(MaxLine);
    return firstLine.toUpper().contains("YES");
}

} // namespace orvik
