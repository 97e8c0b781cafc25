#pragma once

#include <QDialog>

class QCheckBox;

namespace orvik {

// "Earphone - Coupler Incompatible": the question, and a box to stop asking it.
class CShowIncompatWarn final : public QDialog {
    Q_OBJECT
public:
    CShowIncompatWarn(const QString& text, QWidget* parent = nullptr);
    bool dontShowAgain() const;

private:
    QCheckBox* m_dontShow;
};

} // namespace orvik
