#include "shell/widgets/EarphoneIdentityForm.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

namespace orvik {

QFormLayout* earphoneIdentityForm(QComboBox* models, QLineEdit* manufacturer, QLineEdit* leftSerial,
                                  QLineEdit* rightSerial, QPushButton* editRetspl) {
    manufacturer->setMaxLength(25);
    leftSerial->setMaxLength(12);
    rightSerial->setMaxLength(12);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Model:"), models);
    form->addRow(QStringLiteral("Manufacturer:"), manufacturer);
    form->addRow(QStringLiteral("Left serial number:"), leftSerial);
    form->addRow(QStringLiteral("Right serial number:"), rightSerial);
    editRetspl->setText(QStringLiteral("Edit RETSPL"));
    form->addRow(QString(), editRetspl);
    return form;
}

} // namespace orvik
