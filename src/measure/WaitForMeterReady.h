#pragma once

#include "core/ProgressWindow.h"
#include "meter/SlmCommander.h"
#include "meter/Status.h"

namespace orvik {

// Waits until the run state shows the meter measuring ('R'; 'V' in the alternative form, which asks with
// "M5"). 0 or more when ready, Status::MeterNotReady, Status::Cancelled when the progress window's "Cancel" is
// pressed during a pause, or the error of the failed exchange.
int waitForMeterReady(SlmCommander& meter, bool alternative = false, ProgressWindow* progress = nullptr);

} // namespace orvik
