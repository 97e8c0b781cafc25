#pragma once

#include <QDialog>

namespace orvik {

class BatteryDisplay;
class SlmCommander;

// The meter's battery level, read again every second while the dialog is open.
class BatteryCheckDialog final : public QDialog {
    Q_OBJECT
public:
    BatteryCheckDialog(SlmCommander& commander, QWidget* parent = nullptr);
    ~BatteryCheckDialog() override;

private:
    BatteryDisplay* m_display;
};

} // namespace orvik
