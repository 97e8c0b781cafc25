#pragma once

#include "measure/ResultList.h"
#include "measure/ToneJudgement.h"
#include "model/TestSetup.h"

namespace orvik {

inline constexpr FreqIndex FirstBoneLevelIndex = 5; // 250 Hz
inline constexpr FreqIndex LastBoneLevelIndex = 24; // 8000 Hz

struct BoneLevelListInput {
    const TestSetup& setup;
    const BoneLevelBlock& block;
    const qint16 (&dialLevels)[FrequencyCount];
    bool showCorrections;
};

// The rows of the selected frequencies from 250 to 8000 Hz, judged by the force level's deviation from the dial
// against the RETFL of the block's placement, within the earphones' hearing-level limits. Measured and target levels
// are shown with the mastoid's correction added back, as the meter showed them.
ResultList buildBoneLevelList(const BoneLevelListInput& input);

} // namespace orvik
