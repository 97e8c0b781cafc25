#pragma once

#include "measure/DistortionProfile.h"
#include "measure/ResultList.h"
#include "model/RecordResults.h"
#include "model/TestSetup.h"

namespace orvik {

using DistortionEntries = DistortionEntry[LowFrequencyCount];

// The list of a distortion page: one row for each selected frequency the page offers. A measured row is judged
// by its fundamental frequency, each harmonic that was read and the THD; unattended runs report them as "freq",
// "h2" to "h5" and "thd", each with the figure its cell shows (harmonics as levels in dB, THD in percent).
ResultList buildDistortionList(const DistortionProfile& profile, const TestSetup& setup,
                               const DistortionEntries& entries);

} // namespace orvik
