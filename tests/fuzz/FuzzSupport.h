#pragma once

#include "core/Clock.h"
#include "core/MessageBox.h"
#include "meter/SerialDevice.h"

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

namespace orvik::fuzz {

// Time that passes only when the code waits, in big steps so that a time-out costs a few hundred pumps.
class FuzzClock final : public Clock {
public:
    qint64 milliseconds() override { return m_now; }
    void sleep(int ms) override { m_now += ms > 0 ? ms : 1; }
    void pumpMessages() override { m_now += 25; }

private:
    qint64 m_now = 0;
};

// Gives the answer that ends whatever is asked, so a hostile meter or file cannot keep a harness retrying.
class DecliningMessageBox final : public MessageBox {
public:
    MessageAnswer show(const QString& text, MessageButtons buttons, const QString& caption) override;
};

// The replies of a fuzzed meter: every line it is sent takes the next piece of the input, up to and including
// the next LF, or whatever is left. Shared by every device opened on it, so a reopened port reads on.
class FuzzScript {
public:
    explicit FuzzScript(QByteArray bytes) : m_bytes(std::move(bytes)) {}
    QByteArray nextReply();

private:
    QByteArray m_bytes;
    qsizetype m_next = 0;
};

class FuzzSerialDevice final : public SerialDevice {
public:
    explicit FuzzSerialDevice(FuzzScript& script) : m_script(script) {}

    int open(int, int) override { m_open = true; return 0; }
    void close() override { m_open = false; }
    bool isOpen() const override { return m_open; }
    int setParity(char) override { return 0; }
    int setStopBits(int) override { return 0; }
    int setDataLength(int) override { return 0; }
    int setBaudRate(int) override { return 0; }
    void setDtr(bool) override {}
    void setRts(bool) override {}
    void setHandshake(bool) override {}
    int write(const QByteArray& bytes) override;
    int read(char* buffer, int maximum) override;
    int rxCount() override { return int(m_inbound.size()); }
    int txCount() override { return 0; }
    void rxFlush() override { m_inbound.clear(); }
    void txFlush() override {}
    void sendBreak(int) override {}

private:
    FuzzScript& m_script;
    QByteArray m_inbound;
    bool m_open = false;
};

class FuzzDeviceFactory final : public SerialDeviceFactory {
public:
    explicit FuzzDeviceFactory(FuzzScript& script) : m_script(script) {}
    std::unique_ptr<SerialDevice> create(int) override { return std::make_unique<FuzzSerialDevice>(m_script); }

private:
    FuzzScript& m_script;
};

// Writes the input to `name` in a folder that lives as long as the process, and returns its path.
QString writeInputFile(const QString& name, const std::uint8_t* data, std::size_t size);

// Stops the process with a message when a property of an accepted input does not hold: libFuzzer keeps the
// input as a crash like any other.
void require(bool condition, const char* what);

} // namespace orvik::fuzz
