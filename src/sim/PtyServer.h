#pragma once

#include "core/Clock.h"
#include "sim/MeterWire.h"

#include <QString>
#include <csignal>

namespace orvik::sim {

// The simulator's stand-alone face: a pseudo-terminal whose slave side a program opens as if it were the
// meter's serial port. The master side feeds the meter's line on real time. A pseudo-terminal carries no
// baud rate and no break, so both ends count as agreeing on the rate.
class PtyServer {
public:
    PtyServer(MeterWire& wire, Clock& clock);
    ~PtyServer();
    PtyServer(const PtyServer&) = delete;
    PtyServer& operator=(const PtyServer&) = delete;

    // Creates the pseudo-terminal in raw mode; false with a reason when the system refuses.
    bool open(QString& error);
    QString slavePath() const { return m_slavePath; }
    // Serves until `stop` becomes non-zero (set from a signal handler); returns 0, or 1 on an I/O failure.
    int serve(const volatile std::sig_atomic_t& stop);

private:
    bool pass(int readyEvents);

    MeterWire& m_wire;
    Clock& m_clock;
    int m_master = -1;
    int m_slaveHold = -1;
    QString m_slavePath;
};

} // namespace orvik::sim
