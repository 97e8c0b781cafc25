#pragma once

#include "measure/ResultList.h"
#include "model/AudiometerRecord.h"
#include "report/ReportLine.h"

namespace orvik {

// The printed results of one test for one transducer. Each test's section lives in its own file and registers
// itself, so a test added later brings its section along without touching the report.
struct ReportSection {
    TestNumber test;
    QList<ReportLine> (*lines)(const AudiometerRecord& record, TransducerKind transducer);
};

const ReportSection* findReportSection(TestNumber test);

struct ReportSectionRegistration {
    explicit ReportSectionRegistration(const ReportSection& section);
};

// The lines every section starts with: its heading, the channel tested and the transducer.
QList<ReportLine> sectionHeading(const AudiometerRecord& record, TransducerKind transducer, const QString& heading);
// "Left Earphone", "Right Speaker", … for ear 0 or 1 of a transducer.
QString sideHeading(TransducerKind transducer, int ear);
// A value the lists show failing "(…)" is printed bold instead.
ReportCell judgedCell(int column, const QString& listText, bool failed);

// How a section prints a page's list: its head lines and, for each printed column, the list cell it shows.
struct SectionColumns {
    QStringList top;
    QStringList bottom; // empty for a one-line head
    QList<int> cellOf;
    // Printed columns that are bold on a failing row (besides the cells the list puts in parentheses).
    QList<int> boldWhenFailing;
};

// One table of a section: a blank line, the side heading (none when empty), the heads, a line per list row.
QList<ReportLine> listTable(const ResultList& list, const SectionColumns& columns, const QString& side);

} // namespace orvik
