#include "report/widgets/GraphView.h"

#include "report/widgets/GraphPainter.h"

#include <QPainter>

namespace orvik {

namespace {
constexpr int Inset = 10;
}

GraphView::GraphView(QWidget* parent) : QWidget(parent) {
    setMinimumSize(Graph::MinimumWidth + 2 * Inset, Graph::MinimumHeight + 2 * Inset);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
}

bool GraphView::show(const GraphDescription& description) {
    if (!m_graph.show(description))
        return false;
    update();
    return true;
}

void GraphView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintGraph(painter, m_graph);
}

void GraphView::resizeEvent(QResizeEvent*) {
    m_graph.setPlacement(Inset, Inset, width() - 2 * Inset, height() - 2 * Inset);
}

} // namespace orvik
