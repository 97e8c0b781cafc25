// orvik-cli report: the tabular report of a stored audiometer or booth test as a PDF, without a window.
#include "cli/CliCommand.h"
#include "cli/PrintoutArguments.h"
#include "cli/widgets/OffscreenApplication.h"
#include "core/Clock.h"
#include "measure/TestRegistry.h"
#include "report/AudiometerReport.h"
#include "report/BoothReport.h"
#include "report/widgets/PdfOutput.h"

namespace orvik::cli {

namespace {
int run(const QStringList& arguments, QTextStream& out, QTextStream& err);

const CliCommand Report{"report",
                        "report --db FILE (--id N | --booth NAME) --pdf OUT [--tests LIST] [--no-retspl-message]\n"
                        "     LIST: comma-separated orvik-cli calibrate test keys; every test when not given",
                        run, offscreenApplication};
const CliCommandRegistration registration(Report);

bool readTests(const QString& text, AudiometerReportOptions& options, QTextStream& err) {
    if (text.isEmpty())
        return true;
    options.tests.clear();
    for (const QString& key : text.split(u',')) {
        const RegisteredTest* test = findRegisteredTest(key);
        if (!test) {
            err << "orvik-cli report: unknown test \"" << key << "\" (known: " << registeredTestKeys().join(u' ')
                << ")\n";
            return false;
        }
        options.tests << TestNumber(test->test);
    }
    return true;
}

int run(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    const std::optional<PrintoutArguments> a =
        parsePrintoutArguments(arguments, {QStringLiteral("--pdf"), QStringLiteral("--no-retspl-message"),
                                           QStringLiteral("--tests")});
    if (!a)
        return usageError(Report, err);
    AudiometerReportOptions options = AudiometerReportOptions::all();
    options.retsplMessage = !a->noRetsplMessage;
    if (!readTests(a->tests, options, err))
        return UsageExit;
    if (const QString warning = missingFontWarning(); !warning.isEmpty())
        err << "orvik-cli: " << warning << '\n';
    SystemClock clock;
    OpenedDocument opened(err, clock);
    if (!loadPrintoutRecord(opened, *a))
        return 1;
    const ReportHeading heading = preferencesHeading();
    int pages = 0;
    const QString error = writePdf(a->pdf, QStringLiteral("Report"), [&](PageCanvas& canvas) {
        pages = a->id ? printAudiometerReport(canvas, opened.doc.record(), heading, options)
                      : printBoothReport(canvas, opened.doc.ambientRecord(), heading, BoothReportOptions{});
    });
    if (!error.isEmpty()) {
        err << "orvik-cli report: " << error << '\n';
        return 1;
    }
    out << "wrote " << a->pdf << " (" << pages << (pages == 1 ? " page)\n" : " pages)\n");
    return 0;
}
} // namespace

} // namespace orvik::cli
