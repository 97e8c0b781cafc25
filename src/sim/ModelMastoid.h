#pragma once

#include "model/TestSetup.h"

#include <QMap>

namespace orvik::sim {

// What the record's artificial mastoid reads above the force level applied to it, by test frequency (Hz → dB),
// as the scene's mastoid response: the maker's mastoid its chart for the RKC310 coupler, another maker's its chart
// less the gain of its own sensitivity over the calibration microphone's. The simulated mastoid stands in a room
// at the reference climate (23 °C, 50 %, 101.325 kPa), where no environmental correction applies. Written apart
// from the program's corrections, so that a wrong formula on one side cannot pass on both.
QMap<double, double> modelMastoidResponse(const TestSetup& setup);

} // namespace orvik::sim
