#pragma once

#include "core/ProgressWindow.h"

#include <QDialog>

class QLabel;
class QProgressBar;

namespace orvik {

// The progress window of the long measurement loops. It blocks the window it stands above while it is shown,
// so the only thing the technician can do meanwhile is press "Cancel".
class ProgressDialog final : public QDialog, public ProgressWindow {
    Q_OBJECT
public:
    ProgressDialog(QWidget* owner, const QString& caption);

    void setRange(int low, int high) override;
    void setPos(int position) override;
    void setStep(int step) override;
    void stepIt() override;
    void setStatus(const QString& text) override;
    bool checkCancelButton() override;

private:
    static void pump();

    QProgressBar* m_bar;
    QLabel* m_status;
    int m_step = 8;
    bool m_cancelled = false;
};

// Opens progress windows over the main window, or over the modal dialog that is up.
class QtProgressFactory final : public ProgressFactory {
public:
    explicit QtProgressFactory(QWidget* owner = nullptr) : m_owner(owner) {}
    void setOwner(QWidget* owner) { m_owner = owner; }
    std::unique_ptr<ProgressWindow> open(const QString& caption) override;

private:
    QWidget* m_owner;
};

} // namespace orvik
