// The spectrum graph of the "View Data" window and of orvik-cli graph: levels over frequencies that come from a
// meter's download, a stored record of another lab or a points file, scaled onto the plot and numbered along
// its axes. Whatever the values, an accepted spectrum must scale to finite positions and a handful of numbers.
#include "FuzzSupport.h"
#include "report/Graph.h"

#include <cmath>
#include <cstring>

using namespace orvik;

namespace {
// Axis numbers the painter asks for at the window's size: one per 90 pixels across, one per 40 up.
void checkAxis(const GraphAxis& axis, int most) {
    fuzz::require(std::isfinite(axis.pixelsPerUnit) && axis.pixelsPerUnit > 0.0, "a finite scale");
    const QList<double> ticks = axisTicks(axis, most);
    fuzz::require(ticks.size() <= most + 2, "about as many numbers as asked for");
    for (const double tick : ticks)
        fuzz::require(std::isfinite(tick), "finite numbers");
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QList<double> hz, db;
    for (std::size_t at = 0; at + 2 * sizeof(double) <= size; at += 2 * sizeof(double)) {
        double point[2];
        std::memcpy(point, data + at, sizeof point);
        hz << point[0];
        db << point[1];
    }
    const std::optional<GraphDescription> description = spectrumGraph(hz, db);
    Graph graph;
    graph.setPlacement(10, 10, 780, 480);
    if (!description || !graph.show(*description))
        return 0;
    checkAxis(graph.xAxis(), qMax(2, graph.plotArea().width() / 90));
    checkAxis(graph.yAxis(), qMax(2, graph.plotArea().height() / 40));
    for (qsizetype i = 0; i < hz.size(); ++i) {
        const QPointF at = graph.toDevice(hz[i], db[i]);
        fuzz::require(std::isfinite(at.x()) && std::isfinite(at.y()), "finite positions");
    }
    return 0;
}
