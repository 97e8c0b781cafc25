#include "core/PumpWait.h"

namespace orvik {

void PumpWait(Clock& clock, double seconds) { PumpWait(clock, clock.milliseconds(), seconds); }

void PumpWait(Clock& clock, qint64 startMs, double seconds) {
    const qint64 end = startMs + static_cast<qint64>(seconds * 1000.0);
    while (clock.milliseconds() < end)
        clock.pumpMessages();
}

} // namespace orvik
