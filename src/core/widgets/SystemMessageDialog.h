#pragma once

#include <QDialog>

namespace orvik {

// "Message": two lines the technician must acknowledge with "Dismiss".
class SystemMessageDialog final : public QDialog {
    Q_OBJECT
public:
    SystemMessageDialog(const QString& line1, const QString& line2, QWidget* parent = nullptr);
};

} // namespace orvik
