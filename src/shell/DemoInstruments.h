#pragma once

namespace orvik {

class InstrumentLists;

// The instruments of the simulated bench (the K37 with its preamplifier and microphone, a 114 dB calibrator
// and a mastoid), added to empty lists so a newcomer can set up a test at once. Lists that already hold
// instruments are left alone; false then.
bool addDemoInstruments(InstrumentLists& lists);

} // namespace orvik
