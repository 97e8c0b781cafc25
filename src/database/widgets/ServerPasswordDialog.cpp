#include "database/widgets/ServerPasswordDialog.h"

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>

namespace orvik {

std::optional<QString> askServerPassword(const QString& uri, QWidget* parent) {
    bool ok = false;
    const QString password = QInputDialog::getText(
        parent ? parent : QApplication::activeWindow(), QStringLiteral("Database password"),
        QStringLiteral("The server asks for the password of\n%1").arg(uri), QLineEdit::Password, QString(), &ok);
    if (!ok)
        return std::nullopt;
    return password;
}

} // namespace orvik
