#pragma once

#include "report/ReportLine.h"

namespace orvik {

// The lab's own name and letterhead lines, from the preferences.
struct ReportHeading {
    QString companyName;
    QString header1;
    QString header2;
};

// The company name in the title font, the two header lines, then two empty lines.
QList<ReportLine> companyLines(const ReportHeading& heading);

} // namespace orvik
