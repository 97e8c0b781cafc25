#pragma once

#include "ambient/AmbientRecord.h"
#include "report/BoothReport.h"
#include "report/ExportLine.h"

namespace orvik {

// A booth test as a spreadsheet reads it: the booth report's blocks as the view's display chooses them, the
// levels as they are stored (-100.0 for a band not measured) and no failure marks.
ExportLines boothExport(const AmbientRecord& record, const ReportHeading& heading, const BoothReportOptions& options);

} // namespace orvik
