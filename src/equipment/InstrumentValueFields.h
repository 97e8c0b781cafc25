#pragma once

#include "equipment/InstrumentEntry.h"

#include <vector>

namespace orvik {

// A value of an entry that measurements read, and where the kind's pages show it.
struct InstrumentValueField {
    int page;      // index into the kind's page titles; 0 is the info page
    QString label; // the field's label there: "Frequency", "Output Level", "Sensitivity", or "1000 Hz"
    float value;
};

// Every value of the entry that a measurement reads: the calibrator's frequency and level, a microphone's
// sensitivity, responses and grid corrections, a mastoid's sensitivity and its three response sets. The
// mastoid's block and the unused values are only carried along, and are not listed.
std::vector<InstrumentValueField> valueFields(const InstrumentEntry& entry);

// Whether every listed value is a finite number; an entry that fails this must not reach a measurement.
bool hasFiniteValues(const InstrumentEntry& entry);

} // namespace orvik
