#pragma once

#include "report/ExportLine.h"

#include <QByteArray>
#include <QString>

namespace orvik {

// The stored "Export Report Type" values.
enum class ExportFormat : int { Excel = 0, Csv = 1, Text = 2 };

// ".xlsx", ".csv" or ".txt".
QString exportSuffix(ExportFormat format);

// The file an export goes to: the format's extension when the name has none, and the default folder in front
// of a name that names no folder. A name ending ".xls" becomes ".xlsx": the workbook is always written in the
// format spreadsheets open today, and a file must not claim a format it is not in.
struct ExportFileName {
    QString path;
    bool xlsRenamed = false;
};
ExportFileName exportFileName(const QString& name, ExportFormat format, const QString& defaultFolder);

// The lines as delimited text: cells joined by the delimiter, CRLF after each written line. A cell holding the
// delimiter or a quote is quoted, so a customer's "Town, State" stays one cell.
QByteArray delimitedText(const ExportLines& lines, QChar delimiter);

// Writes the whole file or nothing: an earlier file stays as it was when writing fails. False on failure.
bool writeExportFile(const QString& path, const QByteArray& bytes);

} // namespace orvik
