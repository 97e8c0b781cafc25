#pragma once

namespace orvik {

class InstrumentLists;

// The instruments of the simulated bench (the K37 with its preamplifier and microphone, a 114 dB calibrator
// and a mastoid), each added to its list when that list is empty, so a newcomer can set up a test at once
// whatever was entered by hand before. Lists that hold instruments are left alone; false when all did.
bool addDemoInstruments(InstrumentLists& lists);

} // namespace orvik
