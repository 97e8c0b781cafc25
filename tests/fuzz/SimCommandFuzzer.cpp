// The simulated meter's side of the line: every input line is parsed as a command, then sent with a valid
// checksum so that it reaches the meter's state machine, and the raw input goes on the wire as well.
#include "sim/K37Simulator.h"
#include "sim/MeterCommand.h"
#include "sim/WireChecksum.h"

#include <QList>

using namespace orvik::sim;

namespace {
void parseCommand(const QByteArray& line) {
    if (const auto command = MeterCommand::parse(line)) {
        command->integerArgument();
        command->numberArgument();
    }
}

// Lets the meter answer and takes everything it sends, on virtual time.
qint64 drain(MeterWire& wire, qint64 nowMs) {
    for (int step = 0; step < 200 && (wire.hostAvailable(nowMs) > 0 || wire.hostUnsent(nowMs) > 0); ++step) {
        wire.hostRead(4096, nowMs, 0);
        nowMs += 50;
    }
    wire.hostRead(4096, nowMs + 1000, 0);
    return nowMs + 1000;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    K37Simulator simulator;
    MeterWire& wire = simulator.wire();
    wire.paceBytes = false;
    wire.connect();
    qint64 now = 0;
    for (const QByteArray& line : input.split('\n')) {
        parseCommand(line);
        wire.hostWrite(line + commandChecksum(line) + "\r\n", now, 0);
        now = drain(wire, now);
    }
    wire.hostWrite(input, now, 0);
    wire.hostBreak(drain(wire, now));
    return 0;
}
