#pragma once

#include "report/Graph.h"

#include <QWidget>

namespace orvik {

// The graph in a window: placed 10 units in from the top left and as large as the window lets it be.
class GraphView final : public QWidget {
    Q_OBJECT
public:
    explicit GraphView(QWidget* parent = nullptr);

    // False, and nothing drawn, for a description the graph refuses.
    bool show(const GraphDescription& description);
    const Graph& graph() const { return m_graph; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    Graph m_graph;
};

} // namespace orvik
