#pragma once

#include "meter/Status.h"

#include <QByteArray>
#include <QString>
#include <memory>

namespace orvik {

// One serial device as the meter link needs it: the operations of the serial library the link was built on,
// without any waiting of its own. Reads return what has arrived; time-outs and pacing are the caller's,
// over the clock seam, so a simulated device can run on virtual time.
class SerialDevice {
public:
    virtual ~SerialDevice() = default;

    // Opens with the given receive and transmit queue sizes; 0, Status::PortNotAvailable or another negative code.
    virtual int open(int rxQueueSize, int txQueueSize) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;

    virtual int setParity(char parity) = 0; // 'N', 'E', 'O'
    virtual int setStopBits(int stopBits) = 0;
    virtual int setDataLength(int dataBits) = 0;
    virtual int setBaudRate(int baud) = 0; // 0 or Status::BaudRefused
    virtual void setDtr(bool on) = 0;
    virtual void setRts(bool on) = 0;
    virtual void setHandshake(bool on) = 0;

    // Queues bytes for sending; the number of bytes accepted, or a negative code.
    virtual int write(const QByteArray& bytes) = 0;
    // Takes up to maximum bytes that have arrived; never waits.
    virtual int read(char* buffer, int maximum) = 0;
    virtual int rxCount() = 0; // bytes received and not yet read
    virtual int txCount() = 0; // bytes queued and not yet sent
    virtual void rxFlush() = 0;
    virtual void txFlush() = 0;
    virtual void sendBreak(int milliseconds) = 0;
};

// Makes the device behind a zero-based port index (COM1 is 0) or behind a device path.
class SerialDeviceFactory {
public:
    virtual ~SerialDeviceFactory() = default;
    virtual std::unique_ptr<SerialDevice> create(int portIndex) = 0;
};

} // namespace orvik
