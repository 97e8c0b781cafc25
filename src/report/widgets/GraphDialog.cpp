#include "report/widgets/GraphDialog.h"

#include "core/widgets/FileDialogChooser.h"
#include "core/widgets/QtMessageBox.h"
#include "report/widgets/GraphPainter.h"
#include "report/widgets/GraphView.h"

#include <QDialogButtonBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvik {

GraphDialog::GraphDialog(const GraphDescription& description, MessageBox& messages, ChooseFile chooseFile,
                         QWidget* parent)
    : QDialog(parent), m_messages(messages), m_chooseFile(std::move(chooseFile)), m_view(new GraphView(this)) {
    setWindowTitle(description.title);
    m_view->resize(640, 420);
    m_view->setMinimumSize(640, 420);
    m_shown = m_view->show(description);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons->addButton(QStringLiteral("Print..."), QDialogButtonBox::ActionRole), &QPushButton::clicked, this,
            &GraphDialog::print);
    connect(buttons->addButton(QStringLiteral("Save as PNG..."), QDialogButtonBox::ActionRole), &QPushButton::clicked,
            this, [this] {
                const QString path = m_chooseFile({FileRequest::Write, QStringLiteral("Save as PNG"),
                                                   QStringLiteral("PNG Images (*.png)|*.png||"), QStringLiteral("png"),
                                                   windowTitle() + QStringLiteral(".png")});
                if (!path.isEmpty())
                    savePng(path);
            });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_view, 1);
    layout->addWidget(buttons);
}

bool GraphDialog::savePng(const QString& path) {
    if (graphImage(m_view->graph()).save(path, "PNG"))
        return true;
    m_messages.show(QStringLiteral("Unable to save the graph as \"%1\".").arg(path));
    return false;
}

// The graph fills the page's width; every size in it scales along, text included.
void GraphDialog::print() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(windowTitle());
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QPainter painter(&printer);
    const QRect frame = m_view->graph().frame();
    const double scale =
        printer.pageLayout().paintRectPixels(printer.resolution()).width() / double(frame.right() + frame.left());
    painter.scale(scale, scale);
    paintGraph(painter, m_view->graph());
}

bool GraphDialog::showSpectrum(QWidget* parent, const QList<double>& hz, const QList<double>& db) {
    const std::optional<GraphDescription> description = spectrumGraph(hz, db);
    if (!description)
        return false;
    QtMessageBox messages(parent);
    GraphDialog dialog(*description, messages, fileDialogChooser(parent), parent);
    if (!dialog.showsGraph())
        return false;
    dialog.exec();
    return true;
}

} // namespace orvik
