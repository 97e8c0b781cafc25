#pragma once

#include "ambient/AmbientRecord.h"
#include "report/ReportBuilder.h"
#include "report/PageCanvas.h"
#include "report/ReportHeading.h"

namespace orvik {

// What the booth view shows decides what its report prints.
struct BoothReportOptions {
    int displayMode = 2; // 0 ANSI, 1 OSHA, 2 both
    bool showFail = true;
    bool showNotCovered = true;
};

void buildBoothReport(ReportBuilder& report, const AmbientRecord& record, const ReportHeading& heading,
                      const BoothReportOptions& options);
int printBoothReport(PageCanvas& canvas, const AmbientRecord& record, const ReportHeading& heading,
                     const BoothReportOptions& options);

} // namespace orvik
