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

struct AudiometerReportOptions {
    QList<TestNumber> tests; // in report order
    bool retsplMessage = true;
    static AudiometerReportOptions all();
};

void buildAudiometerReport(ReportBuilder& report, const AudiometerRecord& record, const ReportHeading& heading,
                           const AudiometerReportOptions& options);
PageHeader audiometerPageHeader(const AudiometerRecord& record);

// Fonts, metrics, lines and pages: the whole report onto a canvas. Answers the number of pages.
int printAudiometerReport(PageCanvas& canvas, const AudiometerRecord& record, const ReportHeading& heading,
                          const AudiometerReportOptions& options);

} // namespace orvik
