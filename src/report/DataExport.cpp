#include "report/DataExport.h"

#include "core/Settings.h"
#include "report/ExcelWorkbook.h"

#include <QDir>

namespace orvik {

QChar ExportChoice::delimiter() const {
    return format == ExportFormat::Text && tab ? QChar(u'\t') : QChar(u',');
}

ExportChoice ExportChoice::stored(SettingsStore& settings) {
    ExportChoice choice;
    const int format = Setting::ExportReportType.read(settings);
    choice.format = format >= 0 && format <= 2 ? ExportFormat(format) : ExportFormat::Excel;
    choice.tab = Setting::ExportDelimiter.read(settings) == 1;
    return choice;
}

void ExportChoice::store(SettingsStore& settings) const {
    Setting::ExportReportType.write(settings, int(format));
    Setting::ExportDelimiter.write(settings, tab ? 1 : 0);
}

bool writeExport(const ExportContent& content, const QString& path, ExportFormat format, QChar delimiter) {
    const QByteArray bytes = format == ExportFormat::Excel ? excelWorkbook(content.lines, content.sheetName)
                                                           : delimitedText(content.lines, delimiter);
    return !bytes.isEmpty() && writeExportFile(path, bytes);
}

QString exportTest(const ExportContent& content, const ExportChoice& choice, SettingsStore& settings,
                   MessageBox& messages) {
    if (choice.fileName.trimmed().isEmpty()) {
        messages.show(QStringLiteral("Please specify an output file."));
        return {};
    }
    const ExportFileName name =
        exportFileName(choice.fileName, choice.format, Setting::DefaultExportFolder.read(settings));
    if (name.xlsRenamed)
        messages.show(QStringLiteral("The workbook is written as \"%1\": this program writes Excel workbooks in the "
                                     ".xlsx format only.")
                          .arg(QDir::toNativeSeparators(name.path)));
    if (!writeExport(content, name.path, choice.format, choice.delimiter())) {
        messages.show(QStringLiteral("Unable to open output file."));
        return {};
    }
    return name.path;
}

} // namespace orvik
