#pragma once

#include "shell/SerialPortList.h"

#include <QDialog>

namespace orvik {

class PortPage;
class MessageBox;
struct Preferences;

// "Set SLM Port": changes the port and rate in the preferences record only; they reach the settings with
// the rest of the preferences.
class MeterPortDialog final : public QDialog {
    Q_OBJECT
public:
    MeterPortDialog(Preferences& preferences, MessageBox& messages, const QList<SerialPortInfo>& ports,
                   QWidget* parent = nullptr);
    PortPage* page() const { return m_page; }

private:
    Preferences& m_preferences;
    PortPage* m_page;
};

} // namespace orvik
