#include "ScriptedSerialDevice.h"

#include "meter/MeterProtocol.h"

namespace orvik::test {

namespace {
class DeviceHandle final : public SerialDevice {
public:
    explicit DeviceHandle(SerialDevice& device) : m_device(device) {}
    int open(int rx, int tx) override { return m_device.open(rx, tx); }
    void close() override { m_device.close(); }
    bool isOpen() const override { return m_device.isOpen(); }
    int setParity(char parity) override { return m_device.setParity(parity); }
    int setStopBits(int bits) override { return m_device.setStopBits(bits); }
    int setDataLength(int bits) override { return m_device.setDataLength(bits); }
    int setBaudRate(int baud) override { return m_device.setBaudRate(baud); }
    void setDtr(bool on) override { m_device.setDtr(on); }
    void setRts(bool on) override { m_device.setRts(on); }
    void setHandshake(bool on) override { m_device.setHandshake(on); }
    int write(const QByteArray& bytes) override { return m_device.write(bytes); }
    int read(char* buffer, int maximum) override { return m_device.read(buffer, maximum); }
    int rxCount() override { return m_device.rxCount(); }
    int txCount() override { return m_device.txCount(); }
    void rxFlush() override { m_device.rxFlush(); }
    void txFlush() override { m_device.txFlush(); }
    void sendBreak(int ms) override { m_device.sendBreak(ms); }

private:
    SerialDevice& m_device;
};
} // namespace

void ScriptedSerialDevice::deliver(const QByteArray& bytes, int delayMs) {
    qint64 at = m_clock.milliseconds() + delayMs;
    if (!m_inbound.empty())
        at = std::max(at, m_inbound.back().at);
    for (char byte : bytes) {
        m_inbound.push_back({at, byte});
        at += bytePeriodMs;
    }
}

int ScriptedSerialDevice::open(int, int) {
    ++opens;
    m_open = openResult == 0;
    return openResult;
}

int ScriptedSerialDevice::setBaudRate(int rate) {
    if (refusedBauds.contains(rate))
        return Status::BaudRefused;
    baud = rate;
    return 0;
}

int ScriptedSerialDevice::write(const QByteArray& bytes) {
    written += bytes;
    for (char byte : bytes) {
        const bool lfAfterCr = byte == '\n' && m_afterCr;
        m_afterCr = byte == '\r';
        if (lfAfterCr)
            continue;
        if (byte == '\r' || byte == '\n')
            lineEnded();
        else
            m_line += byte;
    }
    return int(bytes.size());
}

void ScriptedSerialDevice::lineEnded() {
    const QByteArray line = m_line;
    m_line.clear();
    lines += line;
    if (responder)
        deliver(responder(line), replyDelayMs);
}

int ScriptedSerialDevice::read(char* buffer, int maximum) {
    int count = 0;
    while (count < maximum && !m_inbound.empty() && m_inbound.front().at <= m_clock.milliseconds()) {
        buffer[count++] = m_inbound.front().byte;
        m_inbound.pop_front();
    }
    return count;
}

int ScriptedSerialDevice::rxCount() {
    int count = 0;
    for (const Arrival& arrival : m_inbound) {
        if (arrival.at > m_clock.milliseconds())
            break;
        ++count;
    }
    return count;
}

void ScriptedSerialDevice::rxFlush() {
    while (!m_inbound.empty() && m_inbound.front().at <= m_clock.milliseconds())
        m_inbound.pop_front();
}

std::unique_ptr<SerialDevice> ScriptedDeviceFactory::create(int portIndex) {
    createdIndices += portIndex;
    return std::make_unique<DeviceHandle>(m_device);
}

QByteArray meterReply(const QByteArray& line, const QByteArray& text) {
    return text + meter::replyChecksum(line.back(), text) + "\r\n";
}

FakeK37::FakeK37()
    : replies{{"R1", "Veltan-Quirn K37 SLM"}, {"R90", "2.105"}, {"R 3,1", " R"}, {"R155", "8"}, {"R3,2", " "}} {}

QByteArray FakeK37::operator()(const QByteArray& line) {
    if (silent || line.isEmpty())
        return {};
    // The wake-up byte 0xFF written after the first ping means nothing to the meter.
    QByteArray command = line.chopped(1);
    command.removeIf([](char c) { return c == char(0xFF); });
    commands += command;
    QByteArray text = replies.value(command);
    auto script = scripted.find(command);
    if (script != scripted.end() && !script->isEmpty())
        text = script->takeFirst();
    if (text == Silent)
        return {};
    if (command.startsWith('&'))
        return meterReply(line, "!") + (blocks.isEmpty() ? block : blocks.takeFirst());
    return meterReply(line, text);
}

} // namespace orvik::test
