#include "core/widgets/QtMessageBox.h"

#include <QMessageBox>

namespace orvik {

MessageAnswer QtMessageBox::show(const QString& text, MessageButtons buttons, const QString& caption) {
    QMessageBox::StandardButtons standard;
    QMessageBox::Icon icon = QMessageBox::Question;
    switch (buttons) {
    case MessageButtons::Ok:
        standard = QMessageBox::Ok;
        icon = QMessageBox::Information;
        break;
    case MessageButtons::OkCancel:
        standard = QMessageBox::Ok | QMessageBox::Cancel;
        break;
    case MessageButtons::YesNo:
        standard = QMessageBox::Yes | QMessageBox::No;
        break;
    case MessageButtons::YesNoCancel:
        standard = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        break;
    }
    QMessageBox box(icon, caption, text, standard, m_parent);
    switch (box.exec()) {
    case QMessageBox::Ok:
        return MessageAnswer::Ok;
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    default:
        // Closing the box with Escape or its title bar stops, as Cancel would.
        return stoppingAnswer(buttons);
    }
}

} // namespace orvik
