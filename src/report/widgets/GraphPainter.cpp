#include "report/widgets/GraphPainter.h"

#include <QPainter>
#include <QPainterPath>

namespace orvik {

namespace {
constexpr int TextPixels = 12;
constexpr int TitlePixels = 16;
constexpr int TickLength = 4;
const QColor SeriesColours[] = {QColor(0, 70, 160), QColor(190, 30, 30), QColor(20, 130, 50)};

QFont pixelFont(int pixels, bool bold = false) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

void drawAxes(QPainter& p, const Graph& graph) {
    const QRect plot = graph.plotArea();
    p.setFont(pixelFont(TextPixels));
    const QFontMetrics metrics = p.fontMetrics();
    const QPen grid(QColor(225, 225, 225));
    const QPen axis(Qt::black);
    for (const double x : axisTicks(graph.xAxis(), qMax(2, plot.width() / 90))) {
        const int px = qRound(graph.toDevice(x, graph.yAxis().minimum).x());
        p.setPen(grid);
        p.drawLine(px, plot.top(), px, plot.bottom());
        p.setPen(axis);
        p.drawLine(px, plot.bottom(), px, plot.bottom() + TickLength);
        const QString number = axisNumber(x);
        p.drawText(px - metrics.horizontalAdvance(number) / 2, plot.bottom() + TickLength + metrics.ascent() + 2,
                   number);
    }
    for (const double y : axisTicks(graph.yAxis(), qMax(2, plot.height() / 40))) {
        const int py = qRound(graph.toDevice(graph.xAxis().minimum, y).y());
        p.setPen(grid);
        p.drawLine(plot.left(), py, plot.right(), py);
        p.setPen(axis);
        p.drawLine(plot.left() - TickLength, py, plot.left(), py);
        const QString number = axisNumber(y);
        p.drawText(plot.left() - TickLength - 3 - metrics.horizontalAdvance(number), py + metrics.ascent() / 2, number);
    }
    p.setPen(axis);
    p.drawLine(plot.bottomLeft(), plot.bottomRight());
    p.drawLine(plot.bottomLeft(), plot.topLeft());
}

void drawTexts(QPainter& p, const Graph& graph) {
    const QRect frame = graph.frame();
    const QRect plot = graph.plotArea();
    p.setPen(Qt::black);
    p.setFont(pixelFont(TitlePixels, true));
    p.drawText(QRect(frame.left(), frame.top() + 6, frame.width(), TitlePixels + 8), Qt::AlignHCenter, graph.title());
    p.setFont(pixelFont(TextPixels));
    p.drawText(QRect(plot.left(), frame.bottom() - TextPixels - 8, plot.width(), TextPixels + 6), Qt::AlignHCenter,
               graph.xLegend());
    p.save();
    p.translate(frame.left() + 6, plot.center().y());
    p.rotate(-90);
    p.drawText(QRect(-plot.height() / 2, 0, plot.height(), TextPixels + 6), Qt::AlignHCenter, graph.yLegend());
    p.restore();
}

void drawSeries(QPainter& p, const Graph& graph, const GraphDescription& d, qsizetype from, qsizetype to) {
    const double floor = graph.plotArea().bottom();
    QPainterPath line;
    for (qsizetype i = from; i < to; ++i) {
        const QPointF point = graph.toDevice(d.x[i], d.y[i]);
        switch (d.type) {
        case 7:
            p.drawEllipse(point, 2.5, 2.5);
            break;
        case 8:
            p.drawLine(QPointF(point.x(), floor), point);
            break;
        default:
            i == from ? line.moveTo(point) : line.lineTo(point);
        }
    }
    p.drawPath(line);
}

void drawData(QPainter& p, const Graph& graph, const GraphDescription& d) {
    if (!isPointType(d.type))
        return;
    p.save();
    p.setClipRect(graph.plotArea().adjusted(-3, -3, 3, 3));
    p.setRenderHint(QPainter::Antialiasing);
    const int series = seriesCount(d);
    const qsizetype run = d.x.size() / series;
    for (int s = 0; s < series; ++s) {
        p.setPen(QPen(SeriesColours[s], 1.5));
        drawSeries(p, graph, d, s * run, s == series - 1 ? d.x.size() : (s + 1) * run);
    }
    p.restore();
}
} // namespace

void paintGraph(QPainter& painter, const Graph& graph) {
    if (!graph.description())
        return;
    painter.save();
    painter.setPen(QColor(160, 160, 160));
    painter.drawRect(graph.frame().adjusted(0, 0, -1, -1));
    drawAxes(painter, graph);
    drawTexts(painter, graph);
    drawData(painter, graph, *graph.description());
    painter.restore();
}

QImage graphImage(const Graph& graph) {
    const QRect frame = graph.frame();
    QImage image(frame.right() + 1 + frame.left(), frame.bottom() + 1 + frame.top(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintGraph(painter, graph);
    return image;
}

} // namespace orvik
