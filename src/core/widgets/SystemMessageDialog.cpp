#include "core/widgets/SystemMessageDialog.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvik {

SystemMessageDialog::SystemMessageDialog(const QString& line1, const QString& line2, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Message"));
    auto* layout = new QVBoxLayout(this);
    for (const QString& text : {line1, line2}) {
        auto* label = new QLabel(text, this);
        label->setWordWrap(true);
        layout->addWidget(label);
    }
    auto* dismiss = new QPushButton(QStringLiteral("Dismiss"), this);
    dismiss->setDefault(true);
    connect(dismiss, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(dismiss, 0, Qt::AlignHCenter);
}

} // namespace orvik
