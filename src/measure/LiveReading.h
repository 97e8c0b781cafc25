#pragma once

#include "measure/MeterLink.h"

#include <functional>

namespace orvik {

// One reading of a live Adjust display, whatever it reads: the link must still hold the meter (it may have been
// disconnected since the last tick), and a failed read asks the technician, who may have the link re-synchronised
// and read again, or stop the display. False when the display stops.
bool readLive(MeterLink& link, const std::function<int(double&)>& read, double& value);

// The level of one-third-octave band `band` from a fresh "&R1" spectrum, with the calibration offset read just
// before it (the display runs for minutes, during which a calibration check may change the offset).
int readLiveBandLevel(SlmCommander& meter, int band, double& level);

} // namespace orvik
