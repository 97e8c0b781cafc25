#pragma once

#include <QByteArray>

namespace orvik::sim {

// Faults the line and the meter's port can show, counted down as they strike. They apply to every command,
// or only to commands whose text starts with `onlyFor`.
struct WireFaults {
    QByteArray onlyFor;
    int noReply = 0;       // the next N commands get no answer at all; -1: the meter never answers
    int wrongChecksum = 0; // the next N replies arrive with a wrong checksum character
    int belReplies = 0;    // the next N commands are answered with a BEL error line
    int lateReplies = 0;   // the next N replies come `lateByMs` later than usual
    int lateByMs = 3000;
    bool xonXoffInReplies = false;  // flow-control characters show up inside reply lines
    bool loneLfBeforeReply = false; // a stray LF precedes every reply line
    int blockByteMs = 0;            // blocks trickle: this many milliseconds between their bytes (0: line speed)
    int blockStopsAfter = -1;       // blocks stop after this many bytes (-1: complete)
    // Faults of the port itself rather than the line: the next N writes fail as a driver's write does, the next N
    // opens fail as a port held by another program does (-1: every one).
    int failedWrites = 0;
    int failedOpens = 0;

    bool appliesTo(const QByteArray& commandText) const { return commandText.startsWith(onlyFor); }
};

// Counts a fault down as it strikes; -1 strikes for ever.
inline bool strike(int& counter) {
    if (counter == 0)
        return false;
    if (counter > 0)
        --counter;
    return true;
}

} // namespace orvik::sim
