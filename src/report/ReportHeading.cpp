#include "report/ReportHeading.h"

namespace orvik {

QList<ReportLine> companyLines(const ReportHeading& heading) {
    return {ReportLine{}.addCentred(heading.companyName, true), ReportLine{}.addCentred(heading.header1),
            ReportLine{}.addCentred(heading.header2), ReportLine{}, ReportLine{}};
}

} // namespace orvik
