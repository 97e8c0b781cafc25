#pragma once

#include "report/ExportLine.h"

#include <QByteArray>

namespace orvik {

// The lines as an .xlsx workbook of one sheet: a row per written line from A1, a cell per column from A. A cell
// that holds a plain decimal number is stored as a number, so a spreadsheet can compute with it; anything else,
// serial numbers with leading zeros included, stays text. Empty when the workbook could not be made.
QByteArray excelWorkbook(const ExportLines& lines, const QString& sheetName);

} // namespace orvik
