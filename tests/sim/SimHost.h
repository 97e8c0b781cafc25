#pragma once

#include "VirtualClock.h"
#include "sim/K37Simulator.h"
#include "sim/SimulatedSerialDevice.h"
#include "sim/WireChecksum.h"

#include <QByteArray>

namespace orvik::sim::test {

// The program's end of the line reduced to what the simulator's tests need: send a checksummed command and
// collect the bytes that come back on virtual time. It checks nothing itself, so the tests see the raw wire.
class SimHost {
public:
    explicit SimHost(K37Profile profile = {}, AnalyserBehaviour behaviour = quietBehaviour());

    static AnalyserBehaviour quietBehaviour();

    // Writes the command with its checksum and CR LF, then collects one reply line (through its LF) within
    // the time-out; returns the raw bytes, empty when nothing came.
    QByteArray exchangeRaw(const QByteArray& command, int timeoutMs = 2000);
    // The same, returning the reply text with checksum and line end taken off after checking both.
    QByteArray exchange(const QByteArray& command, int timeoutMs = 2000);
    // Sends a download command and collects the reply line and `blockSize` bytes after it; empty block when
    // they did not all come within the time-out.
    QByteArray download(const QByteArray& command, int blockSize, int timeoutMs = 5000);
    // Lets virtual time pass.
    void wait(int ms) { clock.advance(ms); }

    orvik::test::VirtualClock clock;
    K37Simulator simulator;
    SimulatedSerialDevice device;

private:
    QByteArray collectLine(int timeoutMs);
};

} // namespace orvik::sim::test
