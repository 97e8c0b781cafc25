#pragma once

#include "core/MessageBox.h"
#include "core/SettingsStore.h"
#include "report/ExportFile.h"

namespace orvik {

// What leaves the program: the lines and the sheet they go on in a workbook.
struct ExportContent {
    ExportLines lines;
    QString sheetName; // "Audiometer Report" or "Booth Report"
};

// What the technician chose in the export dialog. The delimiter counts for text files only: CSV is always
// comma-separated.
struct ExportChoice {
    QString fileName;
    ExportFormat format = ExportFormat::Excel;
    bool tab = false;

    QChar delimiter() const;
    static ExportChoice stored(SettingsStore& settings);
    void store(SettingsStore& settings) const;
};

// Writes the content in the format; false when the file could not be written (an earlier one is kept).
bool writeExport(const ExportContent& content, const QString& path, ExportFormat format, QChar delimiter);

// The export dialog's OK: checks and completes the name, says so when an ".xls" name is written as ".xlsx",
// and writes. Answers the file written, or an empty text after the message that keeps the dialog open.
QString exportTest(const ExportContent& content, const ExportChoice& choice, SettingsStore& settings,
                   MessageBox& messages);

} // namespace orvik
