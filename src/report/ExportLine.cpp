#include "report/ExportLine.h"

namespace orvik {

ExportLine ExportLine::forcedEmpty() {
    ExportLine line;
    line.forced = true;
    return line;
}

bool ExportLine::written() const {
    return forced || cells.size() > 1 || (cells.size() == 1 && !cells.front().isEmpty());
}

} // namespace orvik
