#pragma once

#include "core/Clock.h"
#include "core/ProgressWindow.h"

namespace orvik {

// Waits while dispatching window messages, until the clock reaches start + seconds (whole milliseconds).
void PumpWait(Clock& clock, double seconds);
void PumpWait(Clock& clock, qint64 startMs, double seconds);
// The same wait, looking at the progress window's "Cancel" every tenth of a second, so a press acts before
// the wait is over. False when "Cancel" was pressed; without a window it cannot be.
bool PumpWaitOrCancel(Clock& clock, double seconds, ProgressWindow* progress);

} // namespace orvik
