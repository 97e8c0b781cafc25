#pragma once

#include "report/GraphDescription.h"

#include <QPointF>
#include <QRect>

namespace orvik {

// One axis: its range and how many device units one unit of it takes.
struct GraphAxis {
    double minimum = 0.0;
    double maximum = 1.0;
    double pixelsPerUnit = 1.0;
};

// The smaller end becomes the minimum; equal ends, or ends closer than any scale spans, are drawn as
// [v, v + 0.1], so the scale stays finite.
GraphAxis graphAxis(double a, double b, int pixels);
// The values an axis is numbered at: multiples of 1, 2 or 5 times a power of ten, no more than about `most`.
QList<double> axisTicks(const GraphAxis& axis, int most);
// An axis number as it is printed: "%.4g".
QString axisNumber(double value);

// The plotting component: where the graph sits, its ranges and texts, and the description shown. Painting is
// the widgets' (GraphPainter); everything that decides where a point lands is here.
class Graph {
public:
    static constexpr int MinimumWidth = 350;
    static constexpr int MinimumHeight = 200;

    Graph();

    // A negative x or y keeps the current one, a width or height below 1 the current size; a size given is at
    // least the minimum. The ranges are scaled to the new size.
    void setPlacement(int x, int y, int width, int height);
    void setXRange(double a, double b);
    void setYRange(double a, double b);
    void setTitle(const QString& text) { m_title = text; }
    void setXLegend(const QString& text) { m_xLegend = text; }
    void setYLegend(const QString& text) { m_yLegend = text; }

    // Takes the description's texts and ranges; false, and nothing taken, when it cannot be shown.
    bool show(const GraphDescription& description);

    QRect frame() const { return m_frame; }
    // The frame less the room for the title, the legends and the axis numbers.
    QRect plotArea() const;
    const GraphAxis& xAxis() const { return m_x; }
    const GraphAxis& yAxis() const { return m_y; }
    QPointF toDevice(double x, double y) const;

    const QString& title() const { return m_title; }
    const QString& xLegend() const { return m_xLegend; }
    const QString& yLegend() const { return m_yLegend; }
    const std::optional<GraphDescription>& description() const { return m_description; }

private:
    void applyRanges();

    QRect m_frame{0, 0, MinimumWidth, MinimumHeight};
    double m_xRange[2] = {0.0, 1.0};
    double m_yRange[2] = {0.0, 1.0};
    GraphAxis m_x;
    GraphAxis m_y;
    QString m_title = QStringLiteral("Graph Title goes here");
    QString m_xLegend = QStringLiteral("X Axis Legend Text here");
    QString m_yLegend = QStringLiteral("Y Axis Legend text  here");
    std::optional<GraphDescription> m_description;
};

} // namespace orvik
