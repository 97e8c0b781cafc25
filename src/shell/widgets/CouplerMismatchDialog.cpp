#include "shell/widgets/CouplerMismatchDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace orvik {

CouplerMismatchDialog::CouplerMismatchDialog(const QString& text, QWidget* parent)
    : QDialog(parent), m_dontShow(new QCheckBox(QStringLiteral("Click to not show this message again."), this)) {
    setWindowTitle(QStringLiteral("Earphone - Coupler Incompatible"));
    auto* label = new QLabel(text, this);
    label->setWordWrap(true);
    label->setMinimumWidth(420);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_dontShow);
    layout->addWidget(buttons);
}

bool CouplerMismatchDialog::dontShowAgain() const { return m_dontShow->isChecked(); }

} // namespace orvik
