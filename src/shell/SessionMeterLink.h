#pragma once

#include "meter/MeterSession.h"
#include "meter/SerialDevice.h"
#include "shell/MeterLinkStatus.h"
#include "shell/ShellSeams.h"

#include <functional>

namespace orvik {

struct Preferences;
class SettingsStore;

// The main window's meter: one session for the whole run, connected with the port and rate of the
// preferences as they are at the moment of connecting.
class SessionMeterLink final : public MeterConnection {
public:
    SessionMeterLink(SerialDeviceFactory& factory, MessageBox& messages, Clock& clock, const Preferences& preferences);
    ~SessionMeterLink() override;

    MeterSession& session() { return *m_session; }
    // Follows every device the session opens, whoever drives it: the window, a test sheet or a link recovery.
    MeterLinkStatus& status() { return m_status; }
    // Shows the battery dialog on the connected meter.
    std::function<void(SlmCommander&)> showBattery;

    bool portExists() const override;
    bool portOpen() const override { return m_session->isOpen(); }
    int connect() override;
    void closePort() override;
    void checkBattery() override;
    void turnOff() override;

private:
    class ObservedDevices;

    MeterLinkStatus m_status;
    std::unique_ptr<ObservedDevices> m_devices;
    std::unique_ptr<MeterSession> m_session;
    const Preferences& m_preferences;
};

// Real serial devices by the port numbers the port list shows; a device path in the settings wins.
class NumberedSerialDeviceFactory final : public SerialDeviceFactory {
public:
    explicit NumberedSerialDeviceFactory(SettingsStore& settings) : m_settings(settings) {}
    std::unique_ptr<SerialDevice> create(int portIndex) override;

private:
    SettingsStore& m_settings;
};

} // namespace orvik
