#include "report/ExcelWorkbook.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <xlsxwriter.h>

namespace orvik {

namespace {
bool isPlainNumber(const QString& cell) {
    static const QRegularExpression number(QStringLiteral("^-?(0|[1-9][0-9]*)(\\.[0-9]+)?$"));
    return number.match(cell).hasMatch();
}

void writeCells(lxw_worksheet* sheet, const ExportLines& lines) {
    lxw_row_t row = 0;
    for (const ExportLine& line : lines) {
        if (!line.written())
            continue;
        for (lxw_col_t column = 0; column < lxw_col_t(line.cells.size()); ++column) {
            const QString& cell = line.cells[column];
            if (cell.isEmpty())
                continue;
            if (isPlainNumber(cell))
                worksheet_write_number(sheet, row, column, cell.toDouble(), nullptr);
            else
                worksheet_write_string(sheet, row, column, cell.toUtf8().constData(), nullptr);
        }
        ++row;
    }
}
} // namespace

QByteArray excelWorkbook(const ExportLines& lines, const QString& sheetName) {
    // The library writes only to a named file; a private folder keeps the half-made workbook out of sight.
    QTemporaryDir dir;
    if (!dir.isValid())
        return {};
    const QString path = dir.filePath(QStringLiteral("export.xlsx"));
    lxw_workbook* workbook = workbook_new(QFile::encodeName(path).constData());
    if (!workbook)
        return {};
    lxw_worksheet* sheet = workbook_add_worksheet(workbook, sheetName.toUtf8().constData());
    if (sheet)
        writeCells(sheet, lines);
    if (workbook_close(workbook) != LXW_NO_ERROR || !sheet)
        return {};
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace orvik
