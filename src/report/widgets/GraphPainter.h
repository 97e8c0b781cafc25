#pragma once

#include "report/Graph.h"

#include <QImage>

class QPainter;

namespace orvik {

// Draws the graph's frame, numbered axes, texts and data in its frame's device units; nothing before a
// description is shown. Fonts are sized in those units, so a scaled painter scales the whole graph.
void paintGraph(QPainter& painter, const Graph& graph);

// The graph drawn at its frame's size on white: what "Save as PNG" writes.
QImage graphImage(const Graph& graph);

} // namespace orvik
