#pragma once

#include "meter/SlmCommander.h"

namespace orvik {

// The meter did not report running within 60 polls a second apart.
inline constexpr int MeterNotReady = -400;

// Waits until the run state shows the meter measuring ('R'; 'V' in the alternative form, which asks with
// "M5"). 0 or more when ready, MeterNotReady, or the error of the failed exchange.
int waitForMeterReady(SlmCommander& meter, bool alternative = false);

} // namespace orvik
