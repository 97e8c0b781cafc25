#include "report/Comparison.h"

#include "model/FixedText.h"
#include "report/InstrumentRows.h"
#include "report/ReportSections.h"

#include <algorithm>
#include <utility>

namespace orvik {

namespace {
const QString Test1 = QStringLiteral("Test 1");
const QString Test2 = QStringLiteral("Test 2");
const QString Mismatch = QStringLiteral("There is a mis-match of available frequencies between the two tests.");

constexpr int DateColumns[] = {18, 26, 44, 52}; // "Test 1:", its value, "Test 2:", its value
constexpr int InstrumentLabelColumn = 2;
constexpr int InstrumentLabelWidth = 18; // "Sound Level Meter" and a gap
constexpr int SummaryNameWidth = 20;
constexpr int SummaryPairWidth = 16;
constexpr int SummaryHalf = 8;
constexpr int MinimumCellWidth = 8; // "Test 1" and a gap

// The width of a doubled column whose longest text is `longest`: Test 1 in the first half, Test 2 in the second.
int doubledWidth(qsizetype longest) {
    return 2 * int(qMax<qsizetype>(longest + 2, MinimumCellWidth));
}

// The value columns in runs that fit beside the first column within `pageChars` character widths; a table wider
// than the page goes on below with the next run, the first column repeated, rather than off the paper.
QList<QList<int>> columnRuns(const QList<int>& widths, int pageChars) {
    QList<QList<int>> runs{{}};
    int used = widths.value(0);
    for (int c = 1; c < widths.size(); ++c) {
        if (!runs.last().isEmpty() && used + widths[c] > pageChars) {
            runs << QList<int>{};
            used = widths.value(0);
        }
        runs.last() << c;
        used += widths[c];
    }
    return runs;
}

// Where the columns of one run start, from `first`: the first column, then the run's columns.
QList<int> runStarts(int first, const QList<int>& widths, const QList<int>& run) {
    QList<int> starts{first, first + widths.value(0)};
    for (qsizetype i = 0; i + 1 < run.size(); ++i)
        starts << starts.last() + widths[run[i]];
    return starts;
}

ReportLine bothTests(const QString& label, const QString& first, const QString& second) {
    return ReportLine{}
        .add(0, label, true)
        .add(DateColumns[0], QStringLiteral("Test 1:"))
        .add(DateColumns[1], first)
        .add(DateColumns[2], QStringLiteral("Test 2:"))
        .add(DateColumns[3], second);
}

QStringList identityTexts(const EmbeddedIdentity& id) {
    return {fixedText(id.manufacturer), fixedText(id.model), fixedText(id.serialNumber), fixedText(id.dueDate)};
}

QList<ReportLine> instrumentation(const TestInstruments& first, const TestInstruments& second, int pageChars) {
    const QStringList heads{"Manufacturer", "Model", "Serial Number", "Cal Due"};
    const QList<InstrumentRow> a = instrumentSlots(first, MicLabels::Report);
    const QList<InstrumentRow> b = instrumentSlots(second, MicLabels::Report);
    bool differ = false;
    struct Row {
        QString label;
        QStringList values[2];
    };
    QList<Row> rows;
    QList<qsizetype> widths;
    for (const QString& head : heads)
        widths << head.size();
    for (qsizetype i = 0; i < a.size(); ++i) {
        const EmbeddedIdentity &x = *a[i].identity, &y = *b[i].identity;
        differ = differ || !sameInstrument(x, y);
        if (!hasSerialNumber(x) && !hasSerialNumber(y))
            continue;
        rows.append({hasSerialNumber(x) ? a[i].label : b[i].label, {identityTexts(x), identityTexts(y)}});
        for (int c = 0; c < heads.size(); ++c)
            widths[c] = std::max({widths[c], rows.last().values[0][c].size(), rows.last().values[1][c].size()});
    }
    // Column 0 is the label; head and value c are column c + 1.
    QList<int> doubled{InstrumentLabelWidth};
    for (const qsizetype width : widths)
        doubled << doubledWidth(width);
    QList<ReportLine> lines;
    if (differ)
        lines << ReportLine{}.add(0, QStringLiteral("NOTE: Instrumentation is not the same for both tests."), true);
    for (const QList<int>& run : columnRuns(doubled, pageChars - InstrumentLabelColumn)) {
        const QList<int> start = runStarts(InstrumentLabelColumn, doubled, run);
        ReportLine head, subHead;
        head.add(0, QStringLiteral("Instrumentation"), true);
        for (qsizetype i = 0; i < run.size(); ++i) {
            head.add(start[i + 1], heads[run[i] - 1], true);
            subHead.add(start[i + 1], Test1, true).add(start[i + 1] + doubled[run[i]] / 2, Test2, true);
        }
        lines << head << subHead;
        for (const Row& row : rows) {
            ReportLine line;
            line.add(InstrumentLabelColumn, row.label);
            for (qsizetype i = 0; i < run.size(); ++i)
                line.add(start[i + 1], row.values[0][run[i] - 1])
                    .add(start[i + 1] + doubled[run[i]] / 2, row.values[1][run[i] - 1]);
            lines << line;
        }
    }
    return lines;
}

QList<ReportLine> testInformation(const AudiometerRecord& first, const AudiometerRecord& second, bool retspl,
                                  int pageChars) {
    const TestSetup &a = first.setup, &b = second.setup;
    QList<ReportLine> lines{
        bothTests(QStringLiteral("Calibration Date:"), fixedText(a.testDate), fixedText(b.testDate)),
        bothTests(QStringLiteral("Technician:"), fixedText(a.technician), fixedText(b.technician))};
    lines << customerLines(a) << equipmentLines(a, retspl) << instrumentation(a.instruments, b.instruments, pageChars)
          << retsplNote(a, retspl);
    return lines << ReportLine{};
}

QString statusWord(qint16 status) {
    if (status == qint16(TestStatus::Pass))
        return QStringLiteral("Pass");
    return status == qint16(TestStatus::Fail) ? QStringLiteral("FAIL") : QStringLiteral("n/a");
}

QList<ReportLine> summary(const AudiometerRecord& first, const AudiometerRecord& second,
                          const AudiometerReportOptions& options) {
    ReportLine heads[3];
    heads[0].add(0, QStringLiteral("Test Name"), true);
    for (int t = 0; t < TransducerCount; ++t) {
        const int column = SummaryNameWidth + t * SummaryPairWidth;
        heads[0].add(column, summaryHead(0, t), true);
        heads[1].add(column, summaryHead(1, t), true);
        heads[2].add(column, Test1, true).add(column + SummaryHalf, Test2, true);
    }
    QList<ReportLine> lines{heads[0], heads[1], heads[2]};
    for (const ReportTest& test : reportTests()) {
        if (!options.tests.contains(test.test))
            continue;
        ReportLine row;
        row.add(0, QLatin1String(test.summaryName));
        for (int t = 0; t < TransducerCount; ++t) {
            const int column = SummaryNameWidth + t * SummaryPairWidth;
            for (const auto& [record, offset] : {std::pair{&first, 0}, std::pair{&second, SummaryHalf}}) {
                const qint16 status = record->header.testStatus[int(test.test)][t];
                row.add(column + offset, statusWord(status), status == qint16(TestStatus::Fail));
            }
        }
        lines << row;
    }
    return lines;
}

// A row is matched by its frequency and, where the frequency alone does not name it, its point: the dial
// levels of a linearity list all share the test frequency.
QList<std::pair<FreqIndex, QString>> frequenciesOf(const ResultList& list) {
    QList<std::pair<FreqIndex, QString>> frequencies;
    for (const ResultRow& row : list.rows)
        frequencies << std::pair{row.frequency, row.point};
    return frequencies;
}

QList<ReportLine> namedNotes(const SectionTable& table, const QString& test) {
    QList<ReportLine> lines;
    for (const TestNote& note : table.notes)
        lines << ReportLine{}.add(0, note.named.arg(test));
    return lines;
}

// Each printed column is as wide as its longest text in either test, so doubled columns never collide: the
// first column once, every other one twice (Test 1 and Test 2).
QList<int> columnWidths(const SectionTable& a, const SectionTable& b) {
    const SectionColumns& columns = a.columns;
    QList<int> widths;
    for (int c = 0; c < columns.cellOf.size(); ++c) {
        qsizetype width = qMax(columns.top.value(c).size(), columns.bottom.value(c).size());
        for (const ResultList* list : {&a.list, &b.list})
            for (const ResultRow& row : list->rows)
                width = qMax(width, unmarked(row.cells.value(columns.cellOf[c])).size());
        widths << (c == 0 ? doubledWidth(width) / 2 : doubledWidth(width));
    }
    return widths;
}

// The heads and rows of both tests for the first column and the value columns of one run.
QList<ReportLine> doubledColumns(const SectionTable& a, const SectionTable& b, const QList<int>& widths,
                                 const QList<int>& run) {
    const QList<int> columns = QList<int>{0} + run;
    const QList<int> start = runStarts(0, widths, run);
    ReportLine top, bottom, tests;
    for (qsizetype i = 0; i < columns.size(); ++i) {
        top.add(start[i], a.columns.top.value(columns[i]), true);
        bottom.add(start[i], a.columns.bottom.value(columns[i]), true);
        if (i > 0)
            tests.add(start[i], Test1, true).add(start[i] + widths[columns[i]] / 2, Test2, true);
    }
    QList<ReportLine> lines{top};
    if (!a.columns.bottom.isEmpty())
        lines << bottom;
    lines << tests;
    for (qsizetype r = 0; r < a.list.rows.size(); ++r) {
        ReportLine line;
        line.add(listCell(a.list.rows[r], a.columns, 0, start[0]));
        for (qsizetype i = 1; i < columns.size(); ++i)
            line.add(listCell(a.list.rows[r], a.columns, columns[i], start[i]))
                .add(listCell(b.list.rows[r], b.columns, columns[i], start[i] + widths[columns[i]] / 2));
        lines << line;
    }
    return lines;
}

QList<ReportLine> doubledTable(const SectionTable& a, const SectionTable& b, int pageChars) {
    QList<ReportLine> lines{ReportLine{}};
    if (!a.side.isEmpty())
        lines << ReportLine{}.add(0, a.side, true);
    lines << a.above;
    const QList<ReportLine> notes = namedNotes(a, Test1) + namedNotes(b, Test2);
    if (frequenciesOf(a.list) != frequenciesOf(b.list))
        return lines << ReportLine{}.add(0, Mismatch) << notes;
    if (a.list.rows.isEmpty())
        return lines << notes;
    const QList<int> widths = columnWidths(a, b);
    const QList<QList<int>> runs = columnRuns(widths, pageChars);
    for (qsizetype i = 0; i < runs.size(); ++i) {
        if (i > 0)
            lines << ReportLine{};
        lines << doubledColumns(a, b, widths, runs[i]);
    }
    return lines << notes;
}

QList<ReportLine> comparedSection(const SectionTables& first, const SectionTables& second,
                                  const AudiometerRecord& record, TransducerKind transducer, int pageChars) {
    QList<ReportLine> lines;
    for (qsizetype i = 0; i < first.tables.size() && i < second.tables.size(); ++i) {
        const SectionTable &a = first.tables[i], &b = second.tables[i];
        if (a.list.verdict != PageVerdict::NoneJudged || b.list.verdict != PageVerdict::NoneJudged)
            lines << doubledTable(a, b, pageChars);
    }
    if (lines.isEmpty())
        return lines;
    return sectionHeading(record, transducer, first.heading) + lines << ReportLine{};
}

void addSections(ReportBuilder& report, const AudiometerRecord& first, const AudiometerRecord& second,
                 const AudiometerReportOptions& options, int pageChars) {
    for (const ReportTest& test : reportTests()) {
        const ReportSection* section = findReportSection(test.test);
        if (!section || !section->tables || !options.tests.contains(test.test))
            continue;
        for (int t = 0; t < TransducerCount; ++t) {
            const TransducerKind transducer = TransducerKind(t);
            if (judgedStatus(first.header.testStatus[int(test.test)][t]) ||
                judgedStatus(second.header.testStatus[int(test.test)][t]))
                report.addKeptTogether(comparedSection(section->tables(first, transducer),
                                                       section->tables(second, transducer), first, transducer,
                                                       pageChars));
        }
    }
}
} // namespace

void buildAudiometerComparison(ReportBuilder& report, const AudiometerRecord& first, const AudiometerRecord& second,
                               const ReportHeading& heading, const AudiometerReportOptions& options, int pageChars) {
    for (const ReportLine& line : companyLines(heading) +
                                      testInformation(first, second, options.retsplMessage, pageChars) +
                                      summary(first, second, options))
        report.add(line);
    report.pageBreak();
    addSections(report, first, second, options, pageChars);
}

int printAudiometerComparison(PageCanvas& canvas, const AudiometerRecord& first, const AudiometerRecord& second,
                              const ReportHeading& heading, const AudiometerReportOptions& options) {
    canvas.setFonts(reportFonts());
    const PageMetrics metrics = reportMetrics(canvas);
    ReportBuilder report(reportLinesPerPage(metrics));
    const int pageChars = (metrics.pageWidth - 2 * metrics.leftMargin) / metrics.charWidth;
    buildAudiometerComparison(report, first, second, heading, options, pageChars);
    printReport(canvas, metrics, report, audiometerPageHeader(first));
    return report.pageCount();
}

int printBoothComparison(PageCanvas& canvas, const AmbientRecord& record, const ReportHeading& heading,
                         const BoothReportOptions& options) {
    BoothReportOptions ansiOnly = options;
    ansiOnly.displayMode = 0;
    return printBoothReport(canvas, record, heading, ansiOnly);
}

} // namespace orvik
