#pragma once

#include <QList>
#include <QString>

#include <optional>

namespace orvik {

// What a graph shows, filled by whoever asks for it. Types 6 to 8 plot the point arrays (6 as a line, 7 as
// markers, 8 as bars from the x axis); the other types have no data and draw the frame and axes only.
struct GraphDescription {
    int type = 6;    // 0..11
    int subType = 0; // 0..3
    double xMin = 0.0;
    double xMax = 1.0;
    double yMin = 0.0;
    double yMax = 1.0;
    // Each positive count adds a series: the points are split into that many equal runs.
    int extraSeries1 = 0;
    int extraSeries2 = 0;
    QList<double> x;
    QList<double> y;
    double scaleFactor = 1.0;
    QString title;
    QString yLegend;
    QString xLegend;
};

inline constexpr int LastGraphType = 11;
inline constexpr int LastGraphSubType = 3;

bool isPointType(int type);
// Types 7 and 8 count from the origin: their x range starts at 0.
bool xRangeStartsAtZero(int type);
// A type or sub-type out of range, a range that is not finite or too wide to scale, or a point type without
// points cannot be shown.
bool canShow(const GraphDescription& description);
int seriesCount(const GraphDescription& description);

// A measured spectrum as a line of level (dB) over frequency (Hz), titled "FFT Values"; nullopt when the two
// lists are empty, differ in length or hold a value that is not a number.
std::optional<GraphDescription> spectrumGraph(const QList<double>& hz, const QList<double>& db);

} // namespace orvik
