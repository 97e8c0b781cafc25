// The graph's rules without painting: ranges, axis numbers, placement, and the descriptions it refuses.
#include "report/Graph.h"

#include <gtest/gtest.h>

#include <cmath>

namespace orvik {
namespace {

TEST(Graph, RangesTakeTheSmallerEndAsMinimumAndWidenEqualEnds) {
    struct Case {
        double a, b, minimum, maximum;
    };
    const Case cases[] = {
        {0.0, 10.0, 0.0, 10.0}, {10.0, 0.0, 0.0, 10.0}, {5.0, 5.0, 5.0, 5.1}, {-3.0, -3.0, -3.0, -2.9},
        {1e17, 1e17, 1e17, 1e17 + 16}, // a tenth is below the resolution there
        {1e-320, 1e-309, 1e-320, 0.1}}; // no scale spans a denormal's width
    for (const Case& c : cases) {
        const GraphAxis axis = graphAxis(c.a, c.b, 200);
        EXPECT_EQ(axis.minimum, c.minimum) << c.a << ' ' << c.b;
        EXPECT_DOUBLE_EQ(axis.maximum, c.maximum) << c.a << ' ' << c.b;
        EXPECT_DOUBLE_EQ(axis.pixelsPerUnit, 200 / (c.maximum - c.minimum)) << c.a << ' ' << c.b;
    }
}

TEST(Graph, AxesAreNumberedAtRoundStepsInFourSignificantDigits) {
    struct Case {
        double minimum, maximum;
        QStringList numbers;
    };
    const Case cases[] = {
        {0.0, 10000.0, {"0", "2000", "4000", "6000", "8000", "1e+04"}},
        {-3.7, 12.2, {"-2", "0", "2", "4", "6", "8", "10", "12"}},
        {5.0, 5.1, {"5", "5.02", "5.04", "5.06", "5.08", "5.1"}},
        {0.0, 100000.0, {"0", "2e+04", "4e+04", "6e+04", "8e+04", "1e+05"}},
        // Steps smaller than the doubles there can tell apart: each distinct value once, and an end.
        {1e17, 1e17 + 16, {"1e+17", "1e+17"}},
        // The lowest double: a tolerance added to it would overflow.
        {-1.7976931348623157e308, 0.0, {"-1.5e+308", "-1e+308", "-5e+307", "0"}},
    };
    for (const Case& c : cases) {
        QStringList numbers;
        for (const double tick : axisTicks({c.minimum, c.maximum, 1.0}, 8))
            numbers << axisNumber(tick);
        EXPECT_EQ(numbers, c.numbers) << c.minimum << " to " << c.maximum;
    }
}

TEST(Graph, PlacementKeepsWhatIsNotGivenAndEnforcesTheMinimumSize) {
    Graph graph;
    graph.setXRange(0.0, 100.0);
    const double before = graph.xAxis().pixelsPerUnit;
    graph.setPlacement(10, 20, 800, 600);
    EXPECT_EQ(graph.frame(), QRect(10, 20, 800, 600));
    EXPECT_GT(graph.xAxis().pixelsPerUnit, before); // the range follows the new size
    graph.setPlacement(-1, 30, 0, 100);
    EXPECT_EQ(graph.frame(), QRect(10, 30, 800, Graph::MinimumHeight));
    graph.setPlacement(5, -1, 100, -4);
    EXPECT_EQ(graph.frame(), QRect(5, 30, Graph::MinimumWidth, Graph::MinimumHeight));
    const QRect plot = graph.plotArea();
    EXPECT_EQ(graph.toDevice(0.0, graph.yAxis().minimum), QPointF(plot.left(), plot.top() + plot.height()));
    EXPECT_EQ(graph.toDevice(100.0, graph.yAxis().maximum), QPointF(plot.left() + plot.width(), plot.top()));
}

TEST(Graph, DescriptionsOutOfRangeOrWithoutTheirPointsAreRefusedAndChangeNothing) {
    struct Case {
        int type, subType;
        qsizetype points;
        bool shown;
    };
    const Case cases[] = {{6, 0, 3, true},   {11, 3, 0, true}, {12, 0, 3, false}, {6, 4, 3, false},
                          {-1, 0, 3, false}, {7, 0, 0, false}, {8, 1, 0, false}};
    for (const Case& c : cases) {
        GraphDescription d;
        d.type = c.type;
        d.subType = c.subType;
        d.title = QStringLiteral("Shown");
        for (qsizetype i = 0; i < c.points; ++i) {
            d.x << double(i);
            d.y << double(i);
        }
        Graph graph;
        EXPECT_EQ(graph.show(d), c.shown) << c.type << '/' << c.subType;
        EXPECT_EQ(graph.description().has_value(), c.shown) << c.type << '/' << c.subType;
        EXPECT_EQ(graph.title(), c.shown ? QStringLiteral("Shown") : QStringLiteral("Graph Title goes here"));
    }
}

TEST(Graph, PointTypesSevenAndEightCountXFromZero) {
    for (const int type : {6, 7, 8}) {
        GraphDescription d;
        d.type = type;
        d.x = {100.0, 200.0};
        d.y = {1.0, 2.0};
        d.xMin = 100.0;
        d.xMax = 200.0;
        Graph graph;
        ASSERT_TRUE(graph.show(d));
        EXPECT_EQ(graph.xAxis().minimum, type == 6 ? 100.0 : 0.0) << type;
    }
}

TEST(Graph, ASpectrumIsAnFftValuesGraphOrNothing) {
    const auto graph = spectrumGraph({0.0, 5000.0, 10000.0}, {40.0, 52.5, 38.0});
    ASSERT_TRUE(graph);
    EXPECT_EQ(graph->title, QStringLiteral("FFT Values"));
    EXPECT_EQ(graph->yLegend, QStringLiteral("dB"));
    EXPECT_EQ(graph->xLegend, QStringLiteral("Frequency"));
    EXPECT_EQ(std::tuple(graph->xMin, graph->xMax, graph->yMin, graph->yMax), std::tuple(0.0, 10000.0, 38.0, 52.5));
    EXPECT_TRUE(canShow(*graph));
    EXPECT_FALSE(spectrumGraph({}, {}));
    EXPECT_FALSE(spectrumGraph({1.0, 2.0}, {1.0}));
    EXPECT_FALSE(spectrumGraph({1.0, 2.0}, {1.0, std::nan("")}));
    const auto tooWide = spectrumGraph({-1e308, 1e308}, {0.0, 1.0});
    ASSERT_TRUE(tooWide);
    EXPECT_FALSE(canShow(*tooWide)) << "a range wider than the doubles reach has no scale";
}

} // namespace
} // namespace orvik
