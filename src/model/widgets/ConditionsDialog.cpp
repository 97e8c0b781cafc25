#include "model/widgets/ConditionsDialog.h"

#include "core/MessageBox.h"
#include "model/ConditionsCheck.h"
#include "model/TestSetup.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>

namespace orvik {

ConditionsDialog::ConditionsDialog(TestSetup& setup, MessageBox& messages, QWidget* parent)
    : QDialog(parent), m_setup(setup), m_messages(messages), m_temperature(new QLineEdit(this)),
      m_humidity(new QLineEdit(this)), m_pressure(new QLineEdit(this)) {
    setWindowTitle(QStringLiteral("Temperature / Humidity"));
    // The fields alone make a dialog narrower than its title; leave room for the title and the frame's buttons.
    constexpr int TitleBarButtons = 160;
    setMinimumWidth(fontMetrics().horizontalAdvance(windowTitle()) + TitleBarButtons);
    const ConditionsTexts proposal = conditionsTexts(proposedConditions(setup));
    m_temperature->setText(proposal.temperature);
    m_humidity->setText(proposal.humidity);
    m_pressure->setText(proposal.pressure);
    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("Temperature (C):"), m_temperature);
    form->addRow(QStringLiteral("Humidity (%):"), m_humidity);
    // The pressure is kept in the unit it is typed in; the reports tell the unit from the value's size.
    form->addRow(QStringLiteral("Pressure (mmHg, kPa or in.Hg):"), m_pressure);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &ConditionsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

void ConditionsDialog::accept() {
    const ConditionsCheck check =
        checkConditions(ConditionsTexts{m_temperature->text(), m_humidity->text(), m_pressure->text()});
    if (!check.problem) {
        storeConditions(m_setup, check.conditions);
        QDialog::accept();
        return;
    }
    m_messages.show(check.problem->message);
    if (check.problem->closesDialog) {
        reject();
        return;
    }
    QLineEdit* const fields[] = {m_humidity, m_temperature, m_pressure};
    fields[static_cast<int>(check.problem->field)]->setFocus();
}

} // namespace orvik
