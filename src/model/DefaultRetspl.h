#pragma once

#include "model/EarphoneBlock.h"

#include <vector>

namespace orvik {

// Fills the block's RETSPL with the built-in defaults of its kind, coupler and model, and marks them standard.
// A supra-aural earphone on an IEC 60318-1 ear simulator gets the coupler table whatever its model; otherwise a
// known model wins over the coupler, and an unknown model gets the insert coupler tables or zeros.
void defaultRetspl(EarphoneBlock& block, bool alternateMode);

// Loads the defaults when forced or when the block holds no RETSPL at all. Answers whether the block already had
// RETSPL (and was therefore left alone).
bool ensureRetspl(EarphoneBlock& block, bool force, bool alternateMode);

// The twelve earphones offered on the set-up pages, rebuilt whenever the equipment lists are loaded.
std::vector<EarphoneBlock> defaultEarphoneList(bool alternateMode);

} // namespace orvik
