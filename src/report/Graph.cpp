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
    // Ends too close for any scale to span them (a damaged value a hair from zero) count as equal. Past 2^52 a
    // tenth is lost to the magnitude; the next value up still gives the axis a length.
    if (!std::isfinite(pixels / (axis.maximum - axis.minimum))) {
        axis.maximum = axis.minimum + 0.1;
        if (axis.maximum == axis.minimum)
            axis.maximum = std::nextafter(axis.minimum, HUGE_VAL);
    }
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
    // A hair of tolerance keeps an end that is itself a multiple from being lost to rounding. It is counted in
    // steps: added to a value at the end of the doubles' range it would overflow.
    constexpr double Tolerance = 1e-9;
    const double first = std::ceil(axis.minimum / step - Tolerance) * step;
    // Counted rather than stepped: on an axis far from zero a step can be smaller than the doubles there can
    // tell apart, and adding it would never reach the end. Such neighbours are numbered once.
    for (int i = 0; i <= qMax(1, most) + 1; ++i) {
        const double v = first + i * step;
        if (!((v - axis.maximum) / step <= Tolerance))
            break;
        const double tick = std::abs(v) < step * Tolerance ? 0.0 : v;
        if (ticks.isEmpty() || tick != ticks.last())
            ticks << tick;
    }
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
