#pragma once

#include "model/TestSetup.h"
#include "sim/AcousticScene.h"

namespace orvik::sim {

// The overall level, above the dial, at which the audiometer's white noise plays.
inline constexpr double WhiteNoiseReferenceDb = 13.0;

// The scene's reference levels from the program's own lookup for a test set-up: the audiometer under test is
// built to the same reference equivalent thresholds the program judges it by. A frequency read off a prompt
// ("at 32 Hz" for 31.5 Hz) is taken as the nearest test frequency.
ReferenceLevelSource modelReferenceLevels(const TestSetup& setup);

} // namespace orvik::sim
