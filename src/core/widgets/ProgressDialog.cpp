#include "core/widgets/ProgressDialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvik {

namespace {
// A modal dialog that is up (the calibration check's) would otherwise cover the window and take its clicks.
QWidget* windowToStayAbove(QWidget* owner) {
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return owner ? owner->window() : nullptr;
}
} // namespace

ProgressDialog::ProgressDialog(QWidget* owner, const QString& caption)
    // A tool window stays above the window it belongs to. Blocking that window through window modality
    // rather than disabling it keeps "Cancel" usable, since a disabled parent disables its children.
    : QDialog(windowToStayAbove(owner), Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_bar(new QProgressBar(this)), m_status(new QLabel(this)) {
    setWindowTitle(caption);
    setWindowModality(parentWidget() ? Qt::WindowModal : Qt::NonModal);
    m_bar->setRange(0, 100);
    m_bar->setValue(0);
    m_status->setMinimumWidth(320);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::rejected, this, [this] { m_cancelled = true; });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_bar);
    layout->addWidget(m_status);
    layout->addWidget(buttons);
    if (QWidget* above = parentWidget()) {
        adjustSize();
        move(above->geometry().center() - rect().center());
    }
    show();
    raise();
    pump();
}

void ProgressDialog::pump() {
    QCoreApplication::processEvents();
}

void ProgressDialog::setRange(int low, int high) {
    pump();
    m_bar->setRange(low, high);
}

void ProgressDialog::setPos(int position) {
    pump();
    m_bar->setValue(position);
}

void ProgressDialog::setStep(int step) {
    pump();
    m_step = step;
}

void ProgressDialog::stepIt() {
    pump();
    // Like a classic progress control, stepping past the end starts over from the beginning.
    int next = m_bar->value() + m_step;
    if (next > m_bar->maximum())
        next = m_bar->minimum() + (next - m_bar->maximum() - 1);
    m_bar->setValue(next);
}

void ProgressDialog::setStatus(const QString& text) {
    pump();
    m_status->setText(text);
}

bool ProgressDialog::checkCancelButton() {
    pump();
    const bool cancelled = m_cancelled;
    m_cancelled = false;
    return cancelled;
}

std::unique_ptr<ProgressWindow> QtProgressFactory::open(const QString& caption) {
    return std::make_unique<ProgressDialog>(m_owner, caption);
}

} // namespace orvik
