#include "core/Clock.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QThread>

namespace orvik {

namespace {
qint64 monotonicMs() {
    static QElapsedTimer timer = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return timer.elapsed();
}
} // namespace

SystemClock::SystemClock() : m_origin(monotonicMs()) {}

qint64 SystemClock::milliseconds() { return monotonicMs() - m_origin; }

void SystemClock::sleep(int ms) {
    if (ms > 0)
        QThread::msleep(static_cast<unsigned long>(ms));
}

void SystemClock::pumpMessages() {
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
    // A short yield keeps a waiting loop from burning a whole core while staying well inside
    // the 10 ms resolution of the shortest wait the link uses.
    QThread::usleep(200);
}

} // namespace orvik
