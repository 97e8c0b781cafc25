#include "sim/SimulatedSerialDevice.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace orvik::sim {

namespace {
constexpr std::array<int, 12> SupportedRates{300,   600,   1200,  2400,  4800,  9600,
                                             14400, 19200, 28800, 38400, 57600, 115200};
} // namespace

SimulatedSerialDevice::SimulatedSerialDevice(MeterWire* wire, Clock& clock) : m_wire(wire), m_clock(clock) {}

SimulatedSerialDevice::~SimulatedSerialDevice() {
    close();
}

int SimulatedSerialDevice::open(int, int) {
    if (!m_wire)
        return Status::PortNotAvailable;
    if (strike(m_wire->faults().failedOpens))
        return Status::PortOpenFailed;
    m_open = true;
    m_connection = m_wire->connect();
    return 0;
}

void SimulatedSerialDevice::close() {
    if (m_open && m_wire)
        m_wire->disconnect(m_connection);
    m_open = false;
}

int SimulatedSerialDevice::setParity(char parity) {
    if (parity != 'N' && parity != 'E' && parity != 'O')
        return Status::DeviceError;
    m_parity = parity;
    return 0;
}

int SimulatedSerialDevice::setStopBits(int stopBits) {
    if (stopBits != 1 && stopBits != 2)
        return Status::DeviceError;
    m_stopBits = stopBits;
    return 0;
}

int SimulatedSerialDevice::setDataLength(int dataBits) {
    if (dataBits < 5 || dataBits > 8)
        return Status::DeviceError;
    m_dataBits = dataBits;
    return 0;
}

int SimulatedSerialDevice::setBaudRate(int baud) {
    if (std::find(SupportedRates.begin(), SupportedRates.end(), baud) == SupportedRates.end())
        return Status::BaudRefused;
    m_baud = baud;
    return 0;
}

int SimulatedSerialDevice::write(const QByteArray& bytes) {
    if (!m_open)
        return Status::DeviceError;
    if (strike(m_wire->faults().failedWrites))
        return Status::WriteFailed;
    m_wire->hostWrite(bytes, m_clock.milliseconds(), m_baud);
    return static_cast<int>(bytes.size());
}

int SimulatedSerialDevice::read(char* buffer, int maximum) {
    if (!m_open || maximum <= 0)
        return 0;
    const QByteArray bytes = m_wire->hostRead(maximum, m_clock.milliseconds(), m_baud);
    std::memcpy(buffer, bytes.constData(), static_cast<size_t>(bytes.size()));
    return static_cast<int>(bytes.size());
}

int SimulatedSerialDevice::rxCount() {
    return m_open ? m_wire->hostAvailable(m_clock.milliseconds()) : 0;
}

int SimulatedSerialDevice::txCount() {
    return m_open ? m_wire->hostUnsent(m_clock.milliseconds()) : 0;
}

void SimulatedSerialDevice::rxFlush() {
    if (m_open)
        m_wire->hostFlushReceived(m_clock.milliseconds());
}

void SimulatedSerialDevice::sendBreak(int) {
    if (m_open)
        m_wire->hostBreak(m_clock.milliseconds());
}

} // namespace orvik::sim
