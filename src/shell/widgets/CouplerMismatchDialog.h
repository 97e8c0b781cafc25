#pragma once

#include <QDialog>

class QCheckBox;

namespace orvik {

// "Earphone - Coupler Incompatible": the question, and a box to stop asking it.
class CouplerMismatchDialog final : public QDialog {
    Q_OBJECT
public:
    CouplerMismatchDialog(const QString& text, QWidget* parent = nullptr);
    bool dontShowAgain() const;

private:
    QCheckBox* m_dontShow;
};

} // namespace orvik
