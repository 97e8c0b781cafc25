#pragma once

#include "measure/ResultList.h"
#include "model/AudiometerRecord.h"
#include "report/ExportLine.h"
#include "report/ReportLine.h"

namespace orvik {

struct SectionTables;

// The printed results of one test for one transducer. Each test's section lives in its own file and registers
// itself, so a test added later brings its section along without touching the report. The comparison of two
// tests needs the section's lists rather than its lines, and the export its own lines; a section without them
// is left out of those.
struct ReportSection {
    TestNumber test;
    QList<ReportLine> (*lines)(const AudiometerRecord& record, TransducerKind transducer);
    SectionTables (*tables)(const AudiometerRecord& record, TransducerKind transducer) = nullptr;
    ExportLines (*exportLines)(const AudiometerRecord& record, TransducerKind transducer) = nullptr;
};

const ReportSection* findReportSection(TestNumber test);

struct ReportSectionRegistration {
    explicit ReportSectionRegistration(const ReportSection& section);
};

// The lines every section starts with: its heading, the channel tested and the transducer.
QList<ReportLine> sectionHeading(const AudiometerRecord& record, TransducerKind transducer, const QString& heading);
// "Left Earphone", "Right Speaker", … for ear 0 or 1 of a transducer; "Binaural" for the speakers' third page.
QString sideHeading(TransducerKind transducer, int ear);
// A value the lists show failing "(…)" is printed bold instead, and exported bare.
ReportCell judgedCell(int column, const QString& listText, bool failed);
QString unmarked(const QString& listText);

// How a section prints a page's list: its head lines and, for each printed column, the list cell it shows.
struct SectionColumns {
    QStringList top;
    QStringList bottom; // empty for a one-line head
    QList<int> cellOf;
    // Printed columns that are bold on a failing row (besides the cells the list puts in parentheses).
    QList<int> boldWhenFailing;
    int step = 14; // character widths from one column's start to the next
};

// Printed column `printed` of a list row at `column`: bold when the row fails and the column is one that shows
// it, or the list puts the value in parentheses.
ReportCell listCell(const ResultRow& row, const SectionColumns& columns, int printed, int column);

// A line under a table about one test's own reading (its noise floor). Side by side with a second test it
// must say which test it is about, and where that goes depends on the sentence.
struct TestNote {
    QString text;
    QString named; // the same with "%1" where "Test 1" or "Test 2" goes
};

// A page's list for one ear or speaker as a section prints it.
struct SectionTable {
    QString side; // empty for a list that is not by side
    ResultList list;
    SectionColumns columns;
    QList<ReportLine> above = {}; // lines between the side heading and the heads
    QList<TestNote> notes = {};   // under the rows; a table whose values cannot be shown has notes and no rows
};

// One table of a section: a blank line, the side heading (none when empty), the lines above, the heads and a
// line per list row (neither when the list has no rows), then the notes.
QList<ReportLine> tableLines(const SectionTable& table);

struct SectionTables {
    QString heading;
    QList<SectionTable> tables; // every side the test has, judged or not
};

// The section of the judged tables, under its heading; nothing when no table is judged.
QList<ReportLine> sectionLines(const AudiometerRecord& record, TransducerKind transducer, const SectionTables& tables);

// The two title lines every exported section starts with.
ExportLines exportSectionTitle(const AudiometerRecord& record, const QString& heading);
// The rows of a list with the cells `cellOf` picks, as the export writes them.
ExportLines exportRows(const ResultList& list, const QList<int>& cellOf);
// The usual exported section: the title lines, then for each judged table its side, the head lines (a second
// only when `bottom` is not empty) and its rows; nothing when no table is judged.
ExportLines exportTables(const AudiometerRecord& record, const SectionTables& tables, const QStringList& top,
                         const QStringList& bottom, const QList<int>& cellOf);

} // namespace orvik
