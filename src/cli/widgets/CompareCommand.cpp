// orvik-cli compare: two stored tests side by side as a PDF, without a window.
#include "cli/CliCommand.h"
#include "cli/PrintoutArguments.h"
#include "cli/widgets/OffscreenApplication.h"
#include "core/Clock.h"
#include "report/Comparison.h"
#include "report/widgets/PdfOutput.h"

namespace orvik::cli {

namespace {
int run(const QStringList& arguments, QTextStream& out, QTextStream& err);

const CliCommand Compare{
    "compare",
    "compare --db FILE (--id N --with M | --booth NAME --with-booth NAME2) --pdf OUT [--with-db FILE2]\n"
    "     Test 1 is N (or NAME), Test 2 is M, from FILE2 when given; a booth comparison prints\n"
    "     NAME's ANSI table only",
    run, offscreenApplication};
const CliCommandRegistration registration(Compare);

bool pairsMatch(const PrintoutArguments& a) {
    return a.id ? a.withId && !a.withBooth : a.withBooth && !a.withId;
}

// Test 2 goes into the document's comparison buffer, as "Compare With..." does, or comes from a second file (last
// year's database). A second booth is only checked for: the booth comparison prints the current booth alone.
bool loadBoth(OpenedDocument& opened, OpenedDocument& other, const PrintoutArguments& a) {
    if (a.id && a.withDb.isEmpty())
        return loadPrintoutRecord(opened, a) && opened.doc.loadComparisonRecord(*a.withId);
    PrintoutArguments second = a;
    second.db = a.withDb.isEmpty() ? a.db : a.withDb;
    second.id = a.withId;
    second.booth = a.withBooth;
    return loadPrintoutRecord(other, second) && loadPrintoutRecord(opened, a);
}

int run(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    const std::optional<PrintoutArguments> a =
        parsePrintoutArguments(arguments, {QStringLiteral("--pdf"), QStringLiteral("--with"),
                                           QStringLiteral("--with-booth"), QStringLiteral("--with-db")});
    if (!a || !pairsMatch(*a))
        return usageError(Compare, err);
    if (const QString warning = missingFontWarning(); !warning.isEmpty())
        err << "orvik-cli: " << warning << '\n';
    SystemClock clock;
    OpenedDocument opened(err, clock);
    OpenedDocument other(err, clock);
    if (!loadBoth(opened, other, *a))
        return 1;
    const AudiometerRecord& second = a->withDb.isEmpty() ? opened.doc.comparisonRecord() : other.doc.record();
    const ReportHeading heading = preferencesHeading();
    int pages = 0;
    const QString error = writePdf(a->pdf, QStringLiteral("Comparison"), [&](PageCanvas& canvas) {
        pages = a->id ? printAudiometerComparison(canvas, opened.doc.record(), second, heading,
                                                  AudiometerReportOptions::all())
                      : printBoothComparison(canvas, opened.doc.ambientRecord(), heading, BoothReportOptions{});
    });
    if (!error.isEmpty()) {
        err << "orvik-cli compare: " << error << '\n';
        return 1;
    }
    out << "wrote " << a->pdf << " (" << pages << (pages == 1 ? " page)\n" : " pages)\n");
    return 0;
}
} // namespace

} // namespace orvik::cli
