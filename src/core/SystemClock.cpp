#include "core/Clock.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

namespace orvik {

namespace {
constexpr int PumpSliceMs = 2;

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

// Waiting loops pump once per slice: short against the 10 ms resolution of the shortest wait the link uses,
// long enough that a procedure waiting on the meter costs next to no processor.
void SystemClock::pumpMessages() {
    if (!QCoreApplication::instance()) {
        QThread::msleep(PumpSliceMs);
        return;
    }
    // Sleep in the event dispatcher rather than beside it: the window's events are handled the moment they
    // arrive, and the timer ends the slice when none do.
    QTimer slice;
    slice.setSingleShot(true);
    slice.setTimerType(Qt::PreciseTimer);
    slice.start(PumpSliceMs);
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

} // namespace orvik
