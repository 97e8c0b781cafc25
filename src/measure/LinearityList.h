#pragma once

#include "measure/ResultList.h"
#include "model/RecordResults.h"
#include "model/TestSetup.h"
#include "model/Transducer.h"

namespace orvik {

// The linearity list: one row a dial level from the maximum down, one step apart, to the truncated noise floor,
// then the noise-floor row. A measured row is judged by its step from the level below ("step") and by its hearing
// level against the dial ("hl"). Without a measured noise floor the rows go down to 0 dB HL.
ResultList buildLinearityList(const TestSetup& setup, TransducerKind transducer, const LinearityBlock& block,
                              bool noiseFloorMeasured);

// The dial level of a list row as its first cell shows it; -1 for the noise-floor row or no such row.
int linearityRowLevel(const ResultList& list, int row);
// The row that shows a dial level; -1 when the list does not show it.
int linearityLevelRow(const ResultList& list, int level);

} // namespace orvik
