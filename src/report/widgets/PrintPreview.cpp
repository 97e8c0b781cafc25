#include "report/widgets/PrintPreview.h"

#include "core/MessageBox.h"
#include "report/widgets/PainterCanvas.h"
#include "report/widgets/PdfOutput.h"

#include <QAction>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QToolBar>

namespace orvik {

void showPrintPreview(QWidget* parent, const QString& title, const DrawPages& draw, const ChooseFile& chooseFile,
                      MessageBox& messages) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(title);
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(title);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [&draw](QPrinter* target) {
        QPainter painter(target);
        PainterCanvas canvas(*target, painter);
        draw(canvas);
    });
    if (QToolBar* bar = preview.findChild<QToolBar*>()) {
        QAction* save = bar->addAction(QStringLiteral("Save as PDF"));
        QObject::connect(save, &QAction::triggered, &preview, [&] {
            const QString path = chooseFile({FileRequest::Write, QStringLiteral("Save as PDF"),
                                             QStringLiteral("PDF Files (*.pdf)|*.pdf||"), QStringLiteral("pdf"),
                                             title + QStringLiteral(".pdf")});
            if (path.isEmpty())
                return;
            if (const QString error = writePdf(path, title, draw); !error.isEmpty())
                messages.show(error);
        });
    }
    preview.exec();
}

} // namespace orvik
