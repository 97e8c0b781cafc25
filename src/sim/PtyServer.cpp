#include "sim/PtyServer.h"

#include <QLoggingCategory>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

Q_LOGGING_CATEGORY(lcSimPty, "orvik.sim.pty", QtWarningMsg)

namespace orvik::sim {

namespace {
// How often the loop looks at the clock when nothing arrives: replies are due on milliseconds.
constexpr int PollMs = 2;

QString systemError(const char* what) {
    return QStringLiteral("%1: %2").arg(QLatin1String(what), QString::fromLocal8Bit(std::strerror(errno)));
}
} // namespace

PtyServer::PtyServer(MeterWire& wire, Clock& clock) : m_wire(wire), m_clock(clock) {}

PtyServer::~PtyServer() {
    if (m_slaveHold >= 0)
        ::close(m_slaveHold);
    if (m_master >= 0)
        ::close(m_master);
}

bool PtyServer::open(QString& error) {
    m_master = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (m_master < 0) {
        error = systemError("posix_openpt");
        return false;
    }
    if (::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0) {
        error = systemError("grantpt/unlockpt");
        return false;
    }
    const char* name = ::ptsname(m_master);
    if (!name) {
        error = systemError("ptsname");
        return false;
    }
    m_slavePath = QString::fromLocal8Bit(name);
    // Holding the slave open keeps the master readable while no program has the port open.
    m_slaveHold = ::open(name, O_RDWR | O_NOCTTY);
    termios attributes{};
    if (m_slaveHold < 0 || ::tcgetattr(m_slaveHold, &attributes) != 0) {
        error = systemError("open slave");
        return false;
    }
    ::cfmakeraw(&attributes);
    if (::tcsetattr(m_slaveHold, TCSANOW, &attributes) != 0) {
        error = systemError("tcsetattr");
        return false;
    }
    return true;
}

bool PtyServer::pass(int readyEvents) {
    if (readyEvents & POLLIN) {
        char buffer[512];
        const ssize_t n = ::read(m_master, buffer, sizeof buffer);
        if (n > 0)
            m_wire.hostWrite(QByteArrayView(buffer, n), m_clock.milliseconds(), 0);
        else if (n < 0 && errno != EAGAIN && errno != EINTR && errno != EIO)
            return false;
    }
    const QByteArray due = m_wire.hostRead(4096, m_clock.milliseconds(), 0);
    qsizetype written = 0;
    while (written < due.size()) {
        const ssize_t n = ::write(m_master, due.constData() + written, static_cast<size_t>(due.size() - written));
        if (n >= 0)
            written += n;
        else if (errno == EAGAIN)
            break; // nobody reads the port: what the meter sends is lost, as on an unplugged cable
        else if (errno != EINTR)
            return false;
    }
    return true;
}

int PtyServer::serve(const volatile std::sig_atomic_t& stop) {
    while (!stop) {
        pollfd descriptor{m_master, POLLIN, 0};
        const int ready = ::poll(&descriptor, 1, PollMs);
        if (ready < 0 && errno != EINTR) {
            qCWarning(lcSimPty) << systemError("poll");
            return 1;
        }
        if (!pass(ready > 0 ? descriptor.revents : 0)) {
            qCWarning(lcSimPty) << systemError("pty transfer");
            return 1;
        }
    }
    return 0;
}

} // namespace orvik::sim
