#pragma once

#include "report/PageMetrics.h"
#include "report/ReportBuilder.h"

namespace orvik {

FontChoice reportFonts();
// Fonts set on the canvas first: the margins and line height follow the normal face.
PageMetrics reportMetrics(const PageCanvas& canvas);
// Three top margins are kept free: one above the header, the header itself and the gap below it.
int reportLinesPerPage(const PageMetrics& metrics);

// The header of every page; an empty left text and no numbers leave it blank.
struct PageHeader {
    QString left;
    bool numbered = false;
};

// Draws one line with its top at y; answers the y of the next line.
int drawReportLine(PageCanvas& canvas, const PageMetrics& metrics, const ReportLine& line, int y);
// Draws every page of a built report, the header on each.
void printReport(PageCanvas& canvas, const PageMetrics& metrics, const ReportBuilder& report,
                 const PageHeader& header);

} // namespace orvik
