#include "report/GraphDescription.h"

#include <algorithm>
#include <cmath>

namespace orvik {

bool isPointType(int type) {
    return type >= 6 && type <= 8;
}

bool xRangeStartsAtZero(int type) {
    return type == 7 || type == 8;
}

bool canShow(const GraphDescription& d) {
    if (d.type < 0 || d.type > LastGraphType || d.subType < 0 || d.subType > LastGraphSubType)
        return false;
    // A range wider than the doubles can measure has no scale: every position on it would be infinite.
    const double xMin = xRangeStartsAtZero(d.type) ? 0.0 : d.xMin;
    if (!std::isfinite(d.xMax - xMin) || !std::isfinite(d.yMax - d.yMin))
        return false;
    return !isPointType(d.type) || (!d.x.isEmpty() && d.x.size() == d.y.size());
}

int seriesCount(const GraphDescription& d) {
    return 1 + (d.extraSeries1 > 0 ? 1 : 0) + (d.extraSeries2 > 0 ? 1 : 0);
}

std::optional<GraphDescription> spectrumGraph(const QList<double>& hz, const QList<double>& db) {
    const auto finite = [](double v) { return std::isfinite(v); };
    if (hz.isEmpty() || hz.size() != db.size() || !std::all_of(hz.begin(), hz.end(), finite) ||
        !std::all_of(db.begin(), db.end(), finite))
        return std::nullopt;
    GraphDescription d;
    d.type = 6;
    d.x = hz;
    d.y = db;
    const auto [xLow, xHigh] = std::minmax_element(hz.begin(), hz.end());
    const auto [yLow, yHigh] = std::minmax_element(db.begin(), db.end());
    d.xMin = *xLow;
    d.xMax = *xHigh;
    d.yMin = *yLow;
    d.yMax = *yHigh;
    d.title = QStringLiteral("FFT Values");
    d.yLegend = QStringLiteral("dB");
    d.xLegend = QStringLiteral("Frequency");
    return d;
}

} // namespace orvik
