#include "EarphoneIdentityForm.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>

namespace orvik {

QFormLayout* earphoneIdentityForm(QComboBox* models, QLineEdit* manufacturer, QLineEdit* leftSerial,
                                  QLineEdit* rightSerial) {
    manufacturer->setMaxLength(25);
    leftSerial->setMaxLength(12);
    rightSerial->setMaxLength(12);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Model:"), models);
    form->addRow(QStringLiteral("Manufacturer:"), manufacturer);
    form->addRow(QStringLiteral("Left serial number:"), leftSerial);
    form->addRow(QStringLiteral("Right serial number:"), rightSerial);
    return form;
}

} // namespace orvik
