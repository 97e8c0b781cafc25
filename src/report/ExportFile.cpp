#include "report/ExportFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace orvik {

QString exportSuffix(ExportFormat format) {
    switch (format) {
    case ExportFormat::Excel:
        return QStringLiteral(".xlsx");
    case ExportFormat::Csv:
        return QStringLiteral(".csv");
    default:
        return QStringLiteral(".txt");
    }
}

ExportFileName exportFileName(const QString& name, ExportFormat format, const QString& defaultFolder) {
    ExportFileName result{name, false};
    const QString suffix = QFileInfo(name).suffix();
    if (suffix.isEmpty()) {
        result.path += exportSuffix(format);
    } else if (suffix.compare(QLatin1String("xls"), Qt::CaseInsensitive) == 0) {
        result.path += u'x';
        result.xlsRenamed = true;
    }
    const bool namesFolder = name.contains(u'/') || name.contains(u'\\');
    if (!namesFolder && !defaultFolder.isEmpty())
        result.path = QDir(defaultFolder).filePath(result.path);
    return result;
}

namespace {
QString quoted(const QString& cell, QChar delimiter) {
    if (!cell.contains(delimiter) && !cell.contains(u'"') && !cell.contains(u'\n') && !cell.contains(u'\r'))
        return cell;
    QString text = cell;
    return u'"' + text.replace(QLatin1String("\""), QLatin1String("\"\"")) + u'"';
}
} // namespace

QByteArray delimitedText(const ExportLines& lines, QChar delimiter) {
    QString text;
    for (const ExportLine& line : lines) {
        if (!line.written())
            continue;
        QStringList cells;
        for (const QString& cell : line.cells)
            cells << quoted(cell, delimiter);
        text += cells.join(delimiter) + QLatin1String("\r\n");
    }
    return text.toUtf8();
}

bool writeExportFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

} // namespace orvik
