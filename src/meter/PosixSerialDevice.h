#pragma once

#include "meter/SerialDevice.h"

#include <QByteArray>
#include <QString>
#include <functional>

struct termios;

namespace orvik {

// A serial device through termios: /dev/ttyS*, /dev/ttyUSB*, /dev/ttyACM* or a pseudo-terminal. The file is
// non-blocking and nothing here waits; the transmit side keeps what the driver did not take and hands it
// on at every later call, so a write is never cut short.
class PosixSerialDevice final : public SerialDevice {
public:
    explicit PosixSerialDevice(QString path);
    ~PosixSerialDevice() override;

    int open(int rxQueueSize, int txQueueSize) override;
    void close() override;
    bool isOpen() const override { return m_fd >= 0; }

    int setParity(char parity) override;
    int setStopBits(int stopBits) override;
    int setDataLength(int dataBits) override;
    int setBaudRate(int baud) override;
    void setDtr(bool on) override;
    void setRts(bool on) override;
    void setHandshake(bool on) override;

    int write(const QByteArray& bytes) override;
    int read(char* buffer, int maximum) override;
    int rxCount() override;
    int txCount() override;
    void rxFlush() override;
    void txFlush() override;
    void sendBreak(int milliseconds) override;

    const QString& path() const { return m_path; }

private:
    int applyAttributes(const std::function<void(termios&)>& change);
    void setModemLine(int line, bool on);
    void takeArrived();
    void passOnPending();
    void endBreak();

    QString m_path;
    int m_fd = -1;
    int m_rxLimit = 0;
    QByteArray m_received;
    QByteArray m_pending;
    bool m_breakOn = false;
};

// Makes termios devices. COM n is /dev/ttyS(n-1); a device path, when given, stands for every port number,
// so a USB adapter or the simulator's pseudo-terminal can be used under any port setting.
class PosixSerialDeviceFactory final : public SerialDeviceFactory {
public:
    explicit PosixSerialDeviceFactory(QString devicePath = {}) : m_devicePath(std::move(devicePath)) {}
    std::unique_ptr<SerialDevice> create(int portIndex) override;

    static QString pathOfPortIndex(int portIndex);

private:
    QString m_devicePath;
};

} // namespace orvik
