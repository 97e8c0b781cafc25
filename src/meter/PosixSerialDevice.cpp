#include "meter/PosixSerialDevice.h"
#include "meter/SerialPortNumbering.h"

#include "meter/MeterLog.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <utility>

namespace orvik {

namespace {
struct Speed {
    int baud;
    speed_t code;
};
constexpr std::array<Speed, 8> Speeds{{{300, B300},
                                       {1200, B1200},
                                       {2400, B2400},
                                       {4800, B4800},
                                       {9600, B9600},
                                       {19200, B19200},
                                       {57600, B57600},
                                       {115200, B115200}}};

bool notAvailable(int error) {
    return error == ENOENT || error == ENODEV || error == ENXIO || error == EACCES;
}
} // namespace

PosixSerialDevice::PosixSerialDevice(QString path) : m_path(std::move(path)) {}

PosixSerialDevice::~PosixSerialDevice() {
    close();
}

int PosixSerialDevice::open(int rxQueueSize, int) {
    close();
    m_fd = ::open(m_path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (m_fd < 0) {
        const int error = errno;
        qCDebug(lcMeterLink) << "open" << m_path << "failed, errno" << error;
        return notAvailable(error) ? Status::PortNotAvailable : Status::DeviceError;
    }
    termios attributes{};
    if (::tcgetattr(m_fd, &attributes) != 0) {
        close();
        return Status::PortNotAvailable; // not a terminal: nothing a meter can sit on
    }
    ::cfmakeraw(&attributes);
    attributes.c_cflag |= CLOCAL | CREAD;
    attributes.c_cc[VMIN] = 0;
    attributes.c_cc[VTIME] = 0;
    ::tcsetattr(m_fd, TCSANOW, &attributes);
    ::tcflush(m_fd, TCIOFLUSH);
    m_rxLimit = rxQueueSize;
    return 0;
}

void PosixSerialDevice::close() {
    if (m_fd < 0)
        return;
    endBreak();
    ::close(m_fd);
    m_fd = -1;
    m_received.clear();
    m_pending.clear();
}

int PosixSerialDevice::applyAttributes(const std::function<void(termios&)>& change) {
    termios attributes{};
    if (m_fd < 0 || ::tcgetattr(m_fd, &attributes) != 0)
        return Status::DeviceError;
    change(attributes);
    return ::tcsetattr(m_fd, TCSANOW, &attributes) == 0 ? 0 : int(Status::DeviceError);
}

int PosixSerialDevice::setParity(char parity) {
    return applyAttributes([parity](termios& t) {
        t.c_cflag &= ~(PARENB | PARODD);
        if (parity == 'E' || parity == 'O')
            t.c_cflag |= PARENB;
        if (parity == 'O')
            t.c_cflag |= PARODD;
    });
}

int PosixSerialDevice::setStopBits(int stopBits) {
    return applyAttributes([stopBits](termios& t) {
        if (stopBits == 2)
            t.c_cflag |= CSTOPB;
        else
            t.c_cflag &= ~CSTOPB;
    });
}

int PosixSerialDevice::setDataLength(int dataBits) {
    const tcflag_t size = dataBits == 5 ? CS5 : dataBits == 6 ? CS6 : dataBits == 7 ? CS7 : CS8;
    return applyAttributes([size](termios& t) { t.c_cflag = (t.c_cflag & ~CSIZE) | size; });
}

int PosixSerialDevice::setBaudRate(int baud) {
    for (const Speed& speed : Speeds) {
        if (speed.baud == baud) {
            return applyAttributes([&speed](termios& t) {
                ::cfsetispeed(&t, speed.code);
                ::cfsetospeed(&t, speed.code);
            });
        }
    }
    return Status::BaudRefused;
}

void PosixSerialDevice::setModemLine(int line, bool on) {
    // Pseudo-terminals have no modem lines; refusing them is no error for the link.
    if (m_fd >= 0)
        ::ioctl(m_fd, on ? TIOCMBIS : TIOCMBIC, &line);
}

void PosixSerialDevice::setDtr(bool on) {
    setModemLine(TIOCM_DTR, on);
}

void PosixSerialDevice::setRts(bool on) {
    setModemLine(TIOCM_RTS, on);
}

void PosixSerialDevice::setHandshake(bool on) {
    applyAttributes([on](termios& t) {
        if (on)
            t.c_cflag |= CRTSCTS;
        else
            t.c_cflag &= ~CRTSCTS;
    });
}

void PosixSerialDevice::passOnPending() {
    endBreak();
    while (m_fd >= 0 && !m_pending.isEmpty()) {
        const ssize_t written = ::write(m_fd, m_pending.constData(), size_t(m_pending.size()));
        if (written <= 0)
            return;
        m_pending.remove(0, qsizetype(written));
    }
}

int PosixSerialDevice::write(const QByteArray& bytes) {
    if (m_fd < 0)
        return Status::DeviceError;
    m_pending += bytes;
    passOnPending();
    return int(bytes.size());
}

void PosixSerialDevice::takeArrived() {
    if (m_fd < 0)
        return;
    passOnPending();
    char chunk[512];
    while (m_received.size() < m_rxLimit) {
        const ssize_t got = ::read(m_fd, chunk, sizeof chunk);
        if (got <= 0)
            return;
        m_received.append(chunk, qsizetype(got));
    }
}

int PosixSerialDevice::read(char* buffer, int maximum) {
    takeArrived();
    const int count = std::min(maximum, int(m_received.size()));
    std::copy_n(m_received.constData(), count, buffer);
    m_received.remove(0, count);
    return count;
}

int PosixSerialDevice::rxCount() {
    takeArrived();
    return int(m_received.size());
}

int PosixSerialDevice::txCount() {
    if (m_fd < 0)
        return 0;
    passOnPending();
    int queued = 0;
    if (::ioctl(m_fd, TIOCOUTQ, &queued) != 0)
        queued = 0;
    return int(m_pending.size()) + queued;
}

void PosixSerialDevice::rxFlush() {
    if (m_fd >= 0)
        ::tcflush(m_fd, TCIFLUSH);
    m_received.clear();
}

// Only what the driver has not taken is dropped. A pseudo-terminal reports nothing queued while its far end
// has not yet read the line, so discarding the kernel's queue there would lose commands just written; on a
// real port those bytes are gone within milliseconds anyway.
void PosixSerialDevice::txFlush() {
    m_pending.clear();
}

// Holding the line for the duration would mean waiting here. The break is raised now and lowered by the next
// operation on the device; the link always waits on its clock after a break, and that wait is the duration.
void PosixSerialDevice::sendBreak(int) {
    if (m_fd < 0)
        return;
    endBreak();
    m_breakOn = ::ioctl(m_fd, TIOCSBRK) == 0;
}

void PosixSerialDevice::endBreak() {
    if (!m_breakOn)
        return;
    ::ioctl(m_fd, TIOCCBRK);
    m_breakOn = false;
}

QString PosixSerialDeviceFactory::pathOfPortIndex(int portIndex) {
    const QString device = deviceOfPortNumber(portIndex + 1);
    // A number no device family covers names no device: the open reports the port as not available.
    return device.isEmpty() ? QString() : QStringLiteral("/dev/") + device;
}

std::unique_ptr<SerialDevice> PosixSerialDeviceFactory::create(int portIndex) {
    return std::make_unique<PosixSerialDevice>(m_devicePath.isEmpty() ? pathOfPortIndex(portIndex) : m_devicePath);
}

} // namespace orvik
