#include "CConditionsDlg.h"

#include "app/ConditionsInput.h"
#include "app/MessageBox.h"
#include "model/TestSetup.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>

namespace orvik {

CConditionsDlg::CConditionsDlg(TestSetup& setup, MessageBox& messages, QWidget* parent)
    : QDialog(parent), m_setup(setup), m_messages(messages), m_temperature(new QLineEdit(this)),
      m_humidity(new QLineEdit(this)), m_pressure(new QLineEdit(this)) {
    setWindowTitle(QStringLiteral("Temperature / Humidity"));
    const ConditionsInput proposal = ConditionsInput::proposal(setup.temperature, setup.humidity, setup.pressure);
    m_temperature->setText(proposal.temperature);
    m_humidity->setText(proposal.humidity);
    m_pressure->setText(proposal.pressure);
    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("Temperature (C):"), m_temperature);
    form->addRow(QStringLiteral("Humidity (%):"), m_humidity);
    form->addRow(QStringLiteral("Pressure:"), m_pressure);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CConditionsDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

void CConditionsDlg::accept() {
    const ConditionsInput::Verdict verdict =
        ConditionsInput{m_temperature->text(), m_humidity->text(), m_pressure->text()}.check();
    switch (verdict.field) {
    case ConditionsInput::Field::None:
        m_setup.temperature = verdict.temperature;
        m_setup.humidity = static_cast<quint16>(verdict.humidity);
        m_setup.pressure = verdict.pressure;
        QDialog::accept();
        return;
    case ConditionsInput::Field::Humidity:
        m_messages.show(verdict.message);
        m_humidity->setFocus();
        return;
    case ConditionsInput::Field::Temperature:
        m_messages.show(verdict.message);
        m_temperature->setFocus();
        return;
    case ConditionsInput::Field::Pressure:
        // An unreadable pressure ends the dialog without storing anything.
        m_messages.show(verdict.message);
        reject();
        return;
    }
}

} // namespace orvik
