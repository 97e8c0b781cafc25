#pragma once

#include "shell/SerialPortList.h"

#include <QWidget>

class QComboBox;

namespace orvik {

class MessageBox;
struct Preferences;

// The meter's port and baud rate, chosen from the ports that exist; shared by the preferences view and
// the "Set SLM Port" dialog.
class PortPage final : public QWidget {
    Q_OBJECT
public:
    PortPage(const Preferences& preferences, const QList<SerialPortInfo>& ports, MessageBox& messages,
              QWidget* parent = nullptr);
    // Writes the chosen port and rate into the record; a list without ports keeps the stored port.
    void store(Preferences& preferences) const;

    QComboBox* portList() const { return m_ports; }
    QComboBox* baudList() const { return m_bauds; }

private:
    QComboBox* m_ports;
    QComboBox* m_bauds;
    QList<int> m_numbers;
};

} // namespace orvik
