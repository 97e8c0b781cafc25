#pragma once

#include "equipment/InstrumentEntry.h"
#include "model/ChosenInstruments.h"

#include <QString>
#include <vector>

namespace orvik {

// One place of a test's instruments that the set-up pages fill from the lists: a kind, and for microphones
// the coupler slot (0 open air .. 5, 6 the RKC420 coupler's microphone).
struct InstrumentPlace {
    InstrumentKind kind;
    int slot = 0;
};

// The serial number of the instrument in a place; empty when none is chosen.
QString chosenSerial(const TestInstruments& instruments, InstrumentPlace place);

// Copies a list entry into its place. A microphone also fills every later coupler slot that holds none yet, so
// that a technician with one microphone chooses it once.
void chooseInstrument(TestInstruments& instruments, InstrumentPlace place, const InstrumentEntry& entry);

// Empties a place ("(none)" on the page).
void clearInstrument(TestInstruments& instruments, InstrumentPlace place);

// The label of a microphone slot on the set-up page: "Open Air Mic", "RKC311 Mic", ...
QString microphonePlaceLabel(int slot);

} // namespace orvik
