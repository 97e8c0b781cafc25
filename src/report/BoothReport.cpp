#include "report/BoothReport.h"

#include "ambient/LevelPage.h"
#include "model/FixedText.h"
#include "report/InstrumentRows.h"
#include "report/ReportPrinter.h"

namespace orvik {

namespace {
constexpr int InfoValueColumn = 10;
// The longest label, "Sound Level Meter", needs about 15 character widths of the report face.
constexpr int InstrumentColumns[] = {16, 38, 53, 66};
constexpr int RangeTitleColumns[] = {21, 39, 57};
constexpr int CoveredColumns[] = {18, 36, 54};
constexpr int NotCoveredColumns[] = {27, 45, 63};
constexpr int MeasuredColumn = 9;
constexpr int OshaColumn = 18;

QList<ReportLine> information(const AmbientRecord& r) {
    return {ReportLine{}.add(0, QStringLiteral("Measurement Date:"), true).add(AfterPrevious,
                                                                             fixedText(r.measurementDate)),
            ReportLine{}.add(0, QStringLiteral("Booth:"), true).add(InfoValueColumn, fixedText(r.booth)),
            ReportLine{}.add(0, QStringLiteral("Customer:"), true).add(InfoValueColumn, fixedText(r.customerName)),
            ReportLine{}.add(InfoValueColumn, fixedText(r.location1)),
            ReportLine{}.add(InfoValueColumn, fixedText(r.location2)),
            ReportLine{}};
}

QList<ReportLine> instrumentation(const AmbientRecord& r) {
    return instrumentationLines(instrumentRows(r, QStringLiteral("Mic")), InstrumentColumns, 0) << ReportLine{};
}

QString limit(float value) {
    return QString::asprintf("%.1f", double(value));
}

bool fails(BandVerdict verdict, bool showFail) {
    return showFail && verdict == BandVerdict::Fail;
}

QList<ReportLine> ansiTable(const AmbientRecord& r, const BoothReportOptions& o) {
    ReportLine ranges, head1, head2;
    const char* const titles[] = {"125 to 8000 Hz", "250 to 8000 Hz", "500 to 8000 Hz"};
    head1.add(0, QStringLiteral("Frequency"), true).add(MeasuredColumn, QStringLiteral("Measured"), true);
    head2.add(0, QStringLiteral("(Hz)"), true).add(MeasuredColumn, QStringLiteral("SPL"), true);
    std::vector<LevelRow> rows[AnsiRangeCount];
    for (int range = 0; range < AnsiRangeCount; ++range) {
        ranges.add(RangeTitleColumns[range], QLatin1String(titles[range]), true);
        head1.add(CoveredColumns[range], QStringLiteral("ANSI Max"), true);
        head2.add(CoveredColumns[range], QStringLiteral("Covered"), true);
        head1.add(NotCoveredColumns[range], o.showNotCovered ? QStringLiteral("ANSI Max") : QString(), true);
        head2.add(NotCoveredColumns[range], o.showNotCovered ? QStringLiteral("Uncovered") : QString(), true);
        rows[range] = levelPageRows(r, range, o.showFail);
    }
    QList<ReportLine> lines{ranges, ReportLine{}, head1, head2};
    for (std::size_t i = 0; i < rows[0].size(); ++i) {
        ReportLine line;
        bool marked = false;
        for (int range = 0; range < AnsiRangeCount; ++range)
            marked = marked || (o.showFail && (rows[range][i].verdict == BandVerdict::Fail ||
                                               rows[range][i].notCoveredVerdict == BandVerdict::Fail));
        line.add(0, rows[0][i].label).add(MeasuredColumn, rows[0][i].measuredText, marked);
        for (int range = 0; range < AnsiRangeCount; ++range) {
            const LevelRow& row = rows[range][i];
            line.add(CoveredColumns[range], limit(row.limit), fails(row.verdict, o.showFail));
            if (o.showNotCovered)
                line.add(NotCoveredColumns[range], limit(row.notCovered), fails(row.notCoveredVerdict, o.showFail));
        }
        lines << line;
    }
    return lines;
}

QList<ReportLine> oshaTable(const AmbientRecord& r, const BoothReportOptions& o) {
    QList<ReportLine> lines{ReportLine{},
                            ReportLine{}
                                .add(0, QStringLiteral("Frequency"), true)
                                .add(MeasuredColumn, QStringLiteral("Measured"), true)
                                .add(OshaColumn, QStringLiteral("OSHA"), true),
                            ReportLine{}
                                .add(0, QStringLiteral("(Hz)"), true)
                                .add(MeasuredColumn, QStringLiteral("SPL"), true)
                                .add(OshaColumn, QStringLiteral("LIMITS"), true)};
    for (const LevelRow& row : levelPageRows(r, OshaRange, o.showFail)) {
        const bool bold = fails(row.verdict, o.showFail);
        lines << ReportLine{}.add(0, row.label).add(MeasuredColumn, row.measuredText, bold).add(OshaColumn,
            limit(row.limit), bold);
    }
    return lines;
}
} // namespace

void buildBoothReport(ReportBuilder& report, const AmbientRecord& record, const ReportHeading& heading,
                      const BoothReportOptions& options) {
    QList<ReportLine> lines = companyLines(heading) + information(record) + instrumentation(record);
    if (options.displayMode == 0 || options.displayMode == 2)
        lines += ansiTable(record, options);
    if (options.displayMode == 1 || options.displayMode == 2)
        lines += oshaTable(record, options);
    for (const ReportLine& line : lines)
        report.add(line);
}

int printBoothReport(PageCanvas& canvas, const AmbientRecord& record, const ReportHeading& heading,
                     const BoothReportOptions& options) {
    canvas.setFonts(reportFonts());
    const PageMetrics metrics = reportMetrics(canvas);
    ReportBuilder report(reportLinesPerPage(metrics));
    buildBoothReport(report, record, heading, options);
    printReport(canvas, metrics, report, PageHeader{});
    return report.pageCount();
}

} // namespace orvik
