#pragma once

#include "meter/SlmCommander.h"
#include "meter/Status.h"

namespace orvik {

// Waits until the run state shows the meter measuring ('R'; 'V' in the alternative form, which asks with
// "M5"). 0 or more when ready, Status::MeterNotReady, or the error of the failed exchange.
int waitForMeterReady(SlmCommander& meter, bool alternative = false);

} // namespace orvik
