#include "report/Graph.h"

#include <cmath>

namespace orvik {

namespace {
// Room around the plot: numbers and the y legend on the left, the title above, numbers and the x legend below.
constexpr int LeftRoom = 70;
constexpr int RightRoom = 25;
constexpr int TopRoom = 40;
constexpr int BottomRoom = 55;
} // namespace

GraphAxis graphAxis(double a, double b, int pixels) {
    GraphAxis axis{qMin(a, b), qMax(a, b), 1.0};
    if (axis.maximum == axis.minimum)
        axis.maximum += 0.1;
    axis.pixelsPerUnit = pixels / (axis.maximum - axis.minimum);
    return axis;
}

QList<double> axisTicks(const GraphAxis& axis, int most) {
    const double span = axis.maximum - axis.minimum;
    const double rough = span / qMax(1, most);
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    double step = power;
    for (const double factor : {1.0, 2.0, 5.0, 10.0}) {
        step = factor * power;
        if (step >= rough)
            break;
    }
    QList<double> ticks;
    // A hair of tolerance keeps an end that is itself a multiple from being lost to rounding.
    const double tolerance = step * 1e-9;
    for (double v = std::ceil((axis.minimum - tolerance) / step) * step; v <= axis.maximum + tolerance; v += step)
        ticks << (std::abs(v) < tolerance ? 0.0 : v);
    return ticks;
}

QString axisNumber(double value) {
    return QString::asprintf("%.4g", value);
}

Graph::Graph() {
    applyRanges();
}

void Graph::setPlacement(int x, int y, int width, int height) {
    if (x >= 0)
        m_frame.moveLeft(x);
    if (y >= 0)
        m_frame.moveTop(y);
    if (width >= 1)
        m_frame.setWidth(qMax(width, MinimumWidth));
    if (height >= 1)
        m_frame.setHeight(qMax(height, MinimumHeight));
    applyRanges();
}

void Graph::setXRange(double a, double b) {
    m_xRange[0] = a;
    m_xRange[1] = b;
    applyRanges();
}

void Graph::setYRange(double a, double b) {
    m_yRange[0] = a;
    m_yRange[1] = b;
    applyRanges();
}

void Graph::applyRanges() {
    const QRect plot = plotArea();
    m_x = graphAxis(m_xRange[0], m_xRange[1], plot.width());
    m_y = graphAxis(m_yRange[0], m_yRange[1], plot.height());
}

bool Graph::show(const GraphDescription& d) {
    if (!canShow(d))
        return false;
    m_title = d.title;
    m_xLegend = d.xLegend;
    m_yLegend = d.yLegend;
    m_xRange[0] = xRangeStartsAtZero(d.type) ? 0.0 : d.xMin;
    m_xRange[1] = d.xMax;
    m_yRange[0] = d.yMin;
    m_yRange[1] = d.yMax;
    applyRanges();
    m_description = d;
    return true;
}

QRect Graph::plotArea() const {
    return m_frame.adjusted(LeftRoom, TopRoom, -RightRoom, -BottomRoom);
}

QPointF Graph::toDevice(double x, double y) const {
    const QRect plot = plotArea();
    return {plot.left() + (x - m_x.minimum) * m_x.pixelsPerUnit,
            plot.top() + plot.height() - (y - m_y.minimum) * m_y.pixelsPerUnit};
}

} // namespace orvik
