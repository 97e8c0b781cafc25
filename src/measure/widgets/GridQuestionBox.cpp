#include "measure/widgets/GridQuestionBox.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QMessageBox>

namespace orvik {

bool GridQuestionBox::ask(const QString& text, bool& doNotShowAgain) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Grid"), text, QMessageBox::Ok | QMessageBox::Cancel,
                    m_parent);
    auto* check = new QCheckBox(QStringLiteral("Do not show this dialog again."), &box);
    check->setChecked(doNotShowAgain);
    box.setCheckBox(check);
    // The box shows the check box above its buttons but adds it to the Tab chain last.
    QList<QWidget*> buttons;
    for (QWidget* w = box.nextInFocusChain(); w != &box; w = w->nextInFocusChain())
        if (box.buttons().contains(qobject_cast<QAbstractButton*>(w)))
            buttons << w;
    QWidget* previous = check;
    for (QWidget* button : buttons) {
        QWidget::setTabOrder(previous, button);
        previous = button;
    }
    const bool ok = box.exec() == QMessageBox::Ok;
    doNotShowAgain = check->isChecked();
    return ok;
}

} // namespace orvik
