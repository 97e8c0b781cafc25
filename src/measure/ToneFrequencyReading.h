#pragma once

#include <QList>
#include <QString>
#include <functional>

namespace orvik {

struct ToneFrequencyResult {
    int status = 0;     // of the last reading; Status::Cancelled or a link error end the reading early
    double hz = 0.0;    // the agreed value (a silent counter agrees on 0)
    QList<double> kept; // readings inside the window (or kept after too many discarded), in order
    bool found = false; // false when seven kept readings had no whole-Hz value three times
    bool consistent() const { return found; }
};

// Settles the frequency of a tone from successive counter readings: readings far from the nominal frequency
// are discarded (a while), three kept readings with the same whole-Hz part give the result, and after seven
// kept readings the first value whose whole-Hz part occurs three times wins.
ToneFrequencyResult settleToneFrequency(double nominalHz, const std::function<int(double& hz)>& read);

// The message for seven readings without agreement, listing the first five.
QString inconsistentFrequencyMessage(const QList<double>& kept);

} // namespace orvik
