#include "shell/SessionMeterLink.h"

#include "core/Preferences.h"
#include "meter/MeterDevicePath.h"
#include "meter/PosixSerialDevice.h"

namespace orvik {

namespace {
// A device that tells the link status what happens on it and otherwise does what the real one does.
class ObservedDevice final : public SerialDevice {
public:
    ObservedDevice(std::unique_ptr<SerialDevice> device, MeterLinkStatus& status)
        : m_device(std::move(device)), m_status(status) {}

    int open(int rxQueueSize, int txQueueSize) override {
        const int result = m_device->open(rxQueueSize, txQueueSize);
        // A port reopened by a link recovery is usable again; a first opening waits for identification.
        if (result >= 0 && m_status.state() == MeterLinkStatus::State::Error)
            m_status.connected();
        return result;
    }
    void close() override {
        m_device->close();
        m_status.closed();
    }
    bool isOpen() const override { return m_device->isOpen(); }
    int setParity(char parity) override { return m_device->setParity(parity); }
    int setStopBits(int stopBits) override { return m_device->setStopBits(stopBits); }
    int setDataLength(int dataBits) override { return m_device->setDataLength(dataBits); }
    int setBaudRate(int baud) override { return m_device->setBaudRate(baud); }
    void setDtr(bool on) override { m_device->setDtr(on); }
    void setRts(bool on) override { m_device->setRts(on); }
    void setHandshake(bool on) override { m_device->setHandshake(on); }
    int write(const QByteArray& bytes) override { return observed(m_device->write(bytes)); }
    int read(char* buffer, int maximum) override { return observed(m_device->read(buffer, maximum)); }
    int rxCount() override { return m_device->rxCount(); }
    int txCount() override { return m_device->txCount(); }
    void rxFlush() override { m_device->rxFlush(); }
    void txFlush() override { m_device->txFlush(); }
    void sendBreak(int milliseconds) override { m_device->sendBreak(milliseconds); }

private:
    int observed(int result) {
        if (result < 0)
            m_status.failed();
        else if (result > 0)
            m_status.exchanged();
        return result;
    }

    std::unique_ptr<SerialDevice> m_device;
    MeterLinkStatus& m_status;
};
} // namespace

class SessionMeterLink::ObservedDevices final : public SerialDeviceFactory {
public:
    ObservedDevices(SerialDeviceFactory& factory, MeterLinkStatus& status) : m_factory(factory), m_status(status) {}
    std::unique_ptr<SerialDevice> create(int portIndex) override {
        std::unique_ptr<SerialDevice> device = m_factory.create(portIndex);
        if (!device)
            return device;
        return std::make_unique<ObservedDevice>(std::move(device), m_status);
    }

private:
    SerialDeviceFactory& m_factory;
    MeterLinkStatus& m_status;
};

SessionMeterLink::SessionMeterLink(SerialDeviceFactory& factory, MessageBox& messages, Clock& clock,
                                   const Preferences& preferences)
    : m_devices(std::make_unique<ObservedDevices>(factory, m_status)),
      m_session(std::make_unique<MeterSession>(*m_devices, messages, clock)), m_preferences(preferences) {}

SessionMeterLink::~SessionMeterLink() = default;

bool SessionMeterLink::portExists() const {
    return m_session->port() != nullptr;
}

int SessionMeterLink::connect() {
    if (m_session->isOpen())
        return 0;
    m_status.connecting(m_preferences.slmComPort);
    const int result = m_session->connectMeter(m_preferences.slmComPort, m_preferences.slmBaudRate);
    if (result < 0)
        m_status.failed();
    else
        m_status.connected();
    return result;
}

void SessionMeterLink::closePort() {
    m_session->disconnect();
    m_status.disconnected();
}

void SessionMeterLink::turnOff() {
    m_session->turnOff();
    m_status.disconnected();
}

void SessionMeterLink::checkBattery() {
    if (showBattery && m_session->commander())
        showBattery(*m_session->commander());
}

std::unique_ptr<SerialDevice> NumberedSerialDeviceFactory::create(int portIndex) {
    return PosixSerialDeviceFactory(readMeterDevicePath(m_settings)).create(portIndex);
}

} // namespace orvik
