#pragma once

#include "core/Clock.h"
#include "meter/SerialDevice.h"

#include <QByteArrayList>
#include <QHash>
#include <QList>
#include <deque>
#include <functional>

namespace orvik::test {

// A serial device on a clock: every line written goes to a responder, whose bytes arrive `replyDelayMs`
// later, `bytePeriodMs` apart. A receive flush drops what has arrived, not what is still on the wire.
class ScriptedSerialDevice final : public SerialDevice {
public:
    // Gets the line as written (checksum included, line end excluded); returns the bytes sent back.
    using Responder = std::function<QByteArray(const QByteArray& line)>;

    explicit ScriptedSerialDevice(Clock& clock) : m_clock(clock) {}

    Responder responder;
    int openResult = 0;
    QList<int> refusedBauds;
    int replyDelayMs = 0;
    int bytePeriodMs = 0;

    QByteArrayList lines; // every line written
    QByteArray written;   // every byte written
    int breaks = 0;
    int baud = 0;
    int opens = 0;

    void deliver(const QByteArray& bytes, int delayMs = 0);

    int open(int, int) override;
    void close() override { m_open = false; }
    bool isOpen() const override { return m_open; }
    int setParity(char) override { return 0; }
    int setStopBits(int) override { return 0; }
    int setDataLength(int) override { return 0; }
    int setBaudRate(int rate) override;
    void setDtr(bool) override {}
    void setRts(bool) override {}
    void setHandshake(bool) override {}
    int write(const QByteArray& bytes) override;
    int read(char* buffer, int maximum) override;
    int rxCount() override;
    int txCount() override { return 0; }
    void rxFlush() override;
    void txFlush() override {}
    void sendBreak(int) override { ++breaks; }

private:
    struct Arrival {
        qint64 at;
        char byte;
    };
    void lineEnded();

    Clock& m_clock;
    bool m_open = false;
    bool m_afterCr = false;
    QByteArray m_line;
    std::deque<Arrival> m_inbound;
};

// Hands out the one scripted device (the port deletes what it gets, so it gets a forwarding handle).
class ScriptedDeviceFactory final : public SerialDeviceFactory {
public:
    explicit ScriptedDeviceFactory(ScriptedSerialDevice& device) : m_device(device) {}
    std::unique_ptr<SerialDevice> create(int portIndex) override;
    QList<int> createdIndices;

private:
    ScriptedSerialDevice& m_device;
};

// The reply line a K37 sends to `line`: text, checksum, CR LF.
QByteArray meterReply(const QByteArray& line, const QByteArray& text);

// A meter answering commands from a table; unknown commands get an empty reply. Scripted replies for a
// command are used up first, in order; an entry of "<silent>" sends nothing.
class FakeK37 {
public:
    FakeK37();
    QByteArray operator()(const QByteArray& line);

    QHash<QByteArray, QByteArray> replies;
    QHash<QByteArray, QByteArrayList> scripted;
    QByteArrayList commands; // command texts received, without checksum
    QByteArrayList blocks;   // what follows the '!' of the next downloads, used up in order
    QByteArray block;        // what follows the '!' of every later download
    bool silent = false;
};

inline const QByteArray Silent = "<silent>";

} // namespace orvik::test
