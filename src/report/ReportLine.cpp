#include "report/ReportLine.h"

namespace orvik {

ReportLine& ReportLine::add(const ReportCell& cell) {
    if (cells.size() < ReportLineCells)
        cells.append(cell);
    return *this;
}

ReportLine& ReportLine::add(int column, const QString& text, bool bold) {
    return add(ReportCell{column, text, bold, false, false});
}

ReportLine& ReportLine::addCentred(const QString& text, bool title) {
    return add(ReportCell{0, text, false, title, true});
}

} // namespace orvik
