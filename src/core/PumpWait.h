#pragma once

#include "core/Clock.h"

namespace orvik {

// Waits while dispatching window messages, until the clock reaches start + seconds (whole milliseconds).
void PumpWait(Clock& clock, double seconds);
void PumpWait(Clock& clock, qint64 startMs, double seconds);

} // namespace orvik
