#pragma once

#include <QDialog>

namespace orvik {

class BatteryDisplay;
class SlmCommander;

// The meter's battery level, read again every second while the dialog is open.
class CBattCheckDlg final : public QDialog {
    Q_OBJECT
public:
    CBattCheckDlg(SlmCommander& commander, QWidget* parent = nullptr);
    ~CBattCheckDlg() override;

private:
    BatteryDisplay* m_display;
};

} // namespace orvik
