#pragma once

#include "core/Clock.h"
#include "meter/SerialDevice.h"
#include "meter/Status.h"

#include <QByteArray>
#include <memory>

namespace orvik {

// The program's only access to the meter's serial port: blocking operations whose every wait runs on the
// clock and keeps the window alive. Keeps the last error code so the session can decide whether to reopen.
class ComPort {
public:
    static constexpr int RxQueueSize = 32000;
    static constexpr int TxQueueSize = 4000;

    // Port number 1 is COM1. A number below 1 records Status::InvalidPort and uses port 1. Nothing is opened yet.
    ComPort(int portNumber, SerialDeviceFactory& factory, Clock& clock);
    virtual ~ComPort();
    ComPort(const ComPort&) = delete;
    ComPort& operator=(const ComPort&) = delete;

    int open();
    int close();
    int setPort(int portNumber);
    int setBaud(int rate);
    int setTimeout(int seconds); // returns the previous time-out; 0 means 2 s

    // Writes a line that has been through printf formatting: a doubled percent sign puts one on the wire.
    // The receive queue is emptied first, so no stale byte of an earlier exchange is taken as the reply.
    virtual int writeLine(const QByteArray& formatted);
    // Writes byte by byte, optionally 10 ms apart, then CR.
    int writeSlowly(const QByteArray& text, bool pause);
    // Reads up to `maximum` bytes, ending early at LF; the line end stays in `line`.
    int readLine(QByteArray& line, int maximum);
    // Reads exactly `count` bytes; the time-out restarts whenever bytes arrive.
    int readBlock(QByteArray& block, int count);
    int writeByte(char byte); // 0 or Status::WriteFailed
    void sendBreak(int milliseconds);
    void txFlush();
    void rxFlush();
    int rxCount();
    int txCount();

    bool isOpen() const { return m_open; }
    int lastResult() const { return m_lastResult; }
    int portIndex() const { return m_portIndex; }
    int baudRate() const { return m_baudRate; }
    int timeout() const { return m_timeout; }
    Clock& clock() { return m_clock; }

private:
    int fail(int code) { return m_lastResult = code; }
    void emptyReceiveQueue();
    void drainTransmitQueue();

    SerialDeviceFactory& m_factory;
    Clock& m_clock;
    std::unique_ptr<SerialDevice> m_device;
    int m_baudRate = 9600;
    int m_dataBits = 8;
    bool m_dtr = true;
    int m_lastResult = 0;
    bool m_open = false;
    char m_parity = 'N';
    int m_portIndex = 0;
    bool m_rts = true;
    int m_stopBits = 1;
    int m_timeout = 2;
    bool m_handshake = false;
};

} // namespace orvik
