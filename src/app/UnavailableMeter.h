#pragma once

#include "app/ShellSeams.h"

namespace orvik {

class MessageBox;

// The meter side of the main window while this build has no meter link: every attempt says so plainly
// and fails, so no view that needs the meter opens on a pretence.
class UnavailableMeter final : public MeterLink, public CalibrationCheck {
public:
    static constexpr int NotAvailable = -1;

    explicit UnavailableMeter(MessageBox& messages) : m_messages(messages) {}

    bool portExists() const override { return false; }
    bool portOpen() const override { return false; }
    int connect() override;
    void closePort() override {}
    void checkBattery() override { connect(); }
    void turnOff() override { connect(); }
    int run() override;

private:
    MessageBox& m_messages;
};

} // namespace orvik
