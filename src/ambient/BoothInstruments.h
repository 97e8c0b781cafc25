#pragma once

#include "ambient/AmbientRecord.h"
#include "core/MessageBox.h"
#include "equipment/InstrumentLists.h"

namespace orvik {

// Fills each of meter, preamplifier and microphone the record has not chosen with the only instrument of its
// list, when the list holds exactly one with a serial number. Returns the lines naming what is still missing
// ("    SLM\n", "    Preamp\n", "    Mic\n"); empty when all three are there. The calibrator is not needed.
QString chooseLoneInstruments(AmbientRecord& record, const InstrumentLists& lists);

// chooseLoneInstruments(), then tells the technician what is missing. False when anything is.
bool checkBoothInstruments(AmbientRecord& record, const InstrumentLists& lists, MessageBox& messages);

} // namespace orvik
