#pragma once

#include "model/AudiometerRecord.h"
#include "report/ExportLine.h"
#include "report/ReportHeading.h"

namespace orvik {

// An audiometer test as a spreadsheet reads it: the printed report's lines, a cell where the page has a column.
// Every judged test is exported, whatever the report would select.
ExportLines audiometerExport(const AudiometerRecord& record, const ReportHeading& heading);

// The lab's lines without the spacing the page needs, then two kept empty lines.
ExportLines exportedCompanyLines(const ReportHeading& heading);

} // namespace orvik
