// orvik-cli export: a stored audiometer or booth test as CSV, tab-delimited text or an Excel workbook.
#include "cli/CliCommand.h"
#include "cli/PrintoutArguments.h"
#include "core/Clock.h"
#include "report/AudiometerExport.h"
#include "report/BoothExport.h"
#include "report/DataExport.h"

#include <QFileInfo>

namespace orvik::cli {

namespace {
int run(const QStringList& arguments, QTextStream& out, QTextStream& err);

const CliCommand Export{"export",
                        "export --db FILE (--id N | --booth NAME) --out FILE [--tab]\n"
                        "     FILE ends in .csv, .txt (comma-delimited, or tab-delimited with --tab) or .xlsx",
                        run};
const CliCommandRegistration registration(Export);

std::optional<ExportFormat> formatOf(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    for (const ExportFormat format : {ExportFormat::Excel, ExportFormat::Csv, ExportFormat::Text})
        if (exportSuffix(format) == u'.' + suffix)
            return format;
    return std::nullopt;
}

int run(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    const std::optional<PrintoutArguments> a =
        parsePrintoutArguments(arguments, {QStringLiteral("--out"), QStringLiteral("--tab")});
    const std::optional<ExportFormat> format = a ? formatOf(a->out) : std::nullopt;
    if (!format || (a->tab && *format != ExportFormat::Text))
        return usageError(Export, err);
    SystemClock clock;
    OpenedDocument opened(err, clock);
    if (!loadPrintoutRecord(opened, *a))
        return 1;
    const ReportHeading heading = preferencesHeading();
    // Without a view to follow, a booth is exported with both tables and the ears-not-covered limits.
    const ExportContent content =
        a->id ? ExportContent{audiometerExport(opened.doc.record(), heading), QStringLiteral("Audiometer Report")}
              : ExportContent{boothExport(opened.doc.ambientRecord(), heading, BoothReportOptions{}),
                              QStringLiteral("Booth Report")};
    if (!writeExport(content, a->out, *format, a->tab ? QChar(u'\t') : QChar(u','))) {
        err << "orvik-cli export: Unable to open output file.\n";
        return 1;
    }
    out << "wrote " << a->out << '\n';
    return 0;
}
} // namespace

} // namespace orvik::cli
