#include "shell/widgets/PortPage.h"

#include "core/MessageBox.h"
#include "core/Preferences.h"

#include <QComboBox>
#include <QFormLayout>

namespace orvik {

PortPage::PortPage(const Preferences& preferences, const QList<SerialPortInfo>& ports, MessageBox& messages,
                     QWidget* parent)
    : QWidget(parent), m_ports(new QComboBox(this)), m_bauds(new QComboBox(this)) {
    auto* layout = new QFormLayout(this);
    layout->addRow(QStringLiteral("Sound Level Meter RS 232 Port:"), m_ports);
    layout->addRow(QStringLiteral("RS 232 Port Baud Rate:"), m_bauds);
    const PortListFill fill = fillPortList(ports, preferences.slmComPort);
    m_ports->addItems(fill.lines);
    m_ports->setCurrentIndex(fill.selected);
    m_numbers = fill.portNumbers;
    m_bauds->addItems(BaudRates::offeredTexts());
    m_bauds->setCurrentIndex(BaudRates::positionOf(preferences.slmBaudRate));
    if (!fill.notInServiceMessage.isEmpty())
        messages.show(fill.notInServiceMessage);
}

void PortPage::store(Preferences& preferences) const {
    const int line = m_ports->currentIndex();
    if (line >= 0 && line < m_numbers.size())
        preferences.slmComPort = static_cast<qint16>(m_numbers[line]);
    preferences.slmBaudRate = BaudRates::rateAt(m_bauds->currentIndex());
}

} // namespace orvik
