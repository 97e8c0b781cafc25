#pragma once

namespace orvik {

class InstrumentLists;
struct TestSetup;

// The instruments of the simulated bench (the K37 with its preamplifier and microphone, a 114 dB calibrator
// and a mastoid), each added to its list when that list is empty, so a newcomer can set up a test at once
// whatever was entered by hand before. Lists that hold instruments are left alone; false when all did.
bool addDemoInstruments(InstrumentLists& lists);

// The demo audiometer as a technician would set it up: every transducer the bench offers (TDH 39, ER-3A and
// HDA200 earphones with serial numbers, a bone vibrator, two speakers), the default frequencies, the FM its
// data sheet gives, and the first instrument of each kind from the lists.
void setUpDemoAudiometer(TestSetup& setup, const InstrumentLists& lists, bool alternateMode);

} // namespace orvik
