#include "core/AlternateMode.h"

#include <QDir>
#include <QFile>

namespace orvik {

AlternateModeKind readAlternateModeKind(const QString& programFolder) {
    QFile file(QDir(programFolder).filePath(QStringLiteral("AlternateFile")));
    if (!file.open(QIODevice::ReadOnly))
        return AlternateModeKind::Off;
    constexpr qint64 MaxLine = 14;
    const QByteArray firstLine = file.readLine(MaxLine + 1).left(MaxLine).toUpper();
    if (firstLine.contains("YES"))
        return AlternateModeKind::One;
    return firstLine.contains("AUSTRAL") ? AlternateModeKind::Two : AlternateModeKind::Off;
}

} // namespace orvik
