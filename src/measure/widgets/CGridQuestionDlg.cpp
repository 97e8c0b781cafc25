#include "CGridQuestionDlg.h"

#include <QCheckBox>
#include <QMessageBox>

namespace orvik {

bool CGridQuestionDlg::ask(const QString& text, bool& doNotShowAgain) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Grid"), text, QMessageBox::Ok | QMessageBox::Cancel,
                    m_parent);
    auto* check = new QCheckBox(QStringLiteral("Do not show this dialog again."), &box);
    check->setChecked(doNotShowAgain);
    box.setCheckBox(check);
    const bool ok = box.exec() == QMessageBox::Ok;
    doNotShowAgain = check->isChecked();
    return ok;
}

} // namespace orvik
