#include "shell/SessionMeterLink.h"

#include "core/Preferences.h"
#include "meter/MeterDevicePath.h"
#include "meter/PosixSerialDevice.h"

namespace orvik {

SessionMeterLink::SessionMeterLink(SerialDeviceFactory& factory, MessageBox& messages, Clock& clock,
                                   const Preferences& preferences)
    : m_session(std::make_unique<MeterSession>(factory, messages, clock)), m_preferences(preferences) {}

bool SessionMeterLink::portExists() const { return m_session->port() != nullptr; }

int SessionMeterLink::connect() { return m_session->connectMeter(m_preferences.slmComPort, m_preferences.slmBaudRate); }

void SessionMeterLink::checkBattery() {
    if (showBattery && m_session->commander())
        showBattery(*m_session->commander());
}

std::unique_ptr<SerialDevice> NumberedSerialDeviceFactory::create(int portIndex) {
    return PosixSerialDeviceFactory(readMeterDevicePath(m_settings)).create(portIndex);
}

} // namespace orvik
