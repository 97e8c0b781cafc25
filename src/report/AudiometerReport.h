#pragma once

#include "model/AudiometerRecord.h"
#include "report/ReportBuilder.h"
#include "report/ReportHeading.h"
#include "report/ReportPrinter.h"

namespace orvik {

// The ten tests the report can list, in report order, with their summary names.
struct ReportTest {
    TestNumber test;
    const char* summaryName;
    const char* optionLabel; // the data-selection check box
};
const QList<ReportTest>& reportTests();

// The listening and visual check's items, 0 to VisualCheckItems - 1.
QString checkItemName(int item);

struct AudiometerReportOptions {
    QList<TestNumber> tests; // in report order
    bool retsplMessage = true;
    static AudiometerReportOptions all();
};

// Pieces the comparison of two tests prints the same way: the customer, the audiometer and its transducers,
// the note under the instruments, the heads of the summary's transducer columns (line 0 or 1).
QList<ReportLine> customerLines(const TestSetup& setup);
QList<ReportLine> equipmentLines(const TestSetup& setup, bool retsplMessage);
QList<ReportLine> retsplNote(const TestSetup& setup, bool retsplMessage);
QString summaryHead(int line, int transducer);
// Pass or FAIL: the tests that have a section.
bool judgedStatus(qint16 status);

void buildAudiometerReport(ReportBuilder& report, const AudiometerRecord& record, const ReportHeading& heading,
                           const AudiometerReportOptions& options);
PageHeader audiometerPageHeader(const AudiometerRecord& record);

// Fonts, metrics, lines and pages: the whole report onto a canvas. Answers the number of pages.
int printAudiometerReport(PageCanvas& canvas, const AudiometerRecord& record, const ReportHeading& heading,
                          const AudiometerReportOptions& options);

} // namespace orvik
