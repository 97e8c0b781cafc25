#include "core/PumpWait.h"

#include <algorithm>

namespace orvik {

namespace {
constexpr qint64 CancelPollMs = 100;
}

void PumpWait(Clock& clock, double seconds) {
    PumpWait(clock, clock.milliseconds(), seconds);
}

void PumpWait(Clock& clock, qint64 startMs, double seconds) {
    const qint64 end = startMs + static_cast<qint64>(seconds * 1000.0);
    while (clock.milliseconds() < end)
        clock.pumpMessages();
}

bool PumpWaitOrCancel(Clock& clock, double seconds, ProgressWindow* progress) {
    const qint64 end = clock.milliseconds() + static_cast<qint64>(seconds * 1000.0);
    while (clock.milliseconds() < end) {
        const qint64 slice = std::min(clock.milliseconds() + CancelPollMs, end);
        while (clock.milliseconds() < slice)
            clock.pumpMessages();
        if (progress && progress->checkCancelButton())
            return false;
    }
    return true;
}

} // namespace orvik
