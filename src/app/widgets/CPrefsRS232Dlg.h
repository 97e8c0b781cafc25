#pragma once

#include "app/SerialPortList.h"

#include <QDialog>

namespace orvik {

class CPortPage;
class MessageBox;
struct Preferences;

// "Set SLM Port": changes the port and rate in the preferences record only; they reach the settings with
// the rest of the preferences.
class CPrefsRS232Dlg final : public QDialog {
    Q_OBJECT
public:
    CPrefsRS232Dlg(Preferences& preferences, MessageBox& messages, const QList<SSerInfo>& ports,
                   QWidget* parent = nullptr);
    CPortPage* page() const { return m_page; }

private:
    Preferences& m_preferences;
    CPortPage* m_page;
};

} // namespace orvik
