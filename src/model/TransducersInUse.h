#pragma once

#include "model/TestSetup.h"
#include "model/Transducer.h"

namespace orvik {

// Whether the set-up names a device of this transducer kind under test: a serial number for either side of an
// earphone, for the bone vibrator, or for either speaker. Serial numbers decide, as they do when a measurement
// checks its equipment; blank-only ones count as none.
bool transducerInUse(const TestSetup& setup, TransducerKind transducer);

} // namespace orvik
