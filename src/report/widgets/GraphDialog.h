#pragma once

#include "core/FileChoice.h"
#include "report/GraphDescription.h"

#include <QDialog>

namespace orvik {

class GraphView;
class MessageBox;

// A graph in its own window, with "Print..." and "Save as PNG...".
class GraphDialog final : public QDialog {
    Q_OBJECT
public:
    GraphDialog(const GraphDescription& description, MessageBox& messages, ChooseFile chooseFile,
                QWidget* parent = nullptr);

    // Whether the description could be shown; a dialog that shows nothing is not opened.
    bool showsGraph() const { return m_shown; }
    GraphView* view() const { return m_view; }
    // Writes the graph as it is shown; false after saying why.
    bool savePng(const QString& path);

    // "View Data": a measured spectrum as "FFT Values", level over frequency. False, with nothing opened, when
    // the points cannot make a graph; the caller then says "Something messed up".
    static bool showSpectrum(QWidget* parent, const QList<double>& hz, const QList<double>& db);

private:
    void print();

    MessageBox& m_messages;
    ChooseFile m_chooseFile;
    GraphView* m_view;
    bool m_shown = false;
};

} // namespace orvik
