#pragma once

#include "model/TestSetup.h"

namespace orvik {

inline constexpr int VisualCheckItems = 30;

#pragma pack(push, 1)
struct TestNotes {
    char comments[512];                 // at most 511 characters
    qint32 visualCheck[VisualCheckItems]; // 0 "P", 1 "F", 2 "NA"
};

// Everything known about one calibration of one audiometer channel. Stored byte for byte as one block, so this
// layout is also a file format: see docs/record-layout.md.
struct AudiometerRecord {
    quint8 header[324];   // refined by the measurement pages' own fields
    TestSetup setup;
    quint8 results[76848]; // refined by the measurement pages' own fields
    TestNotes notes;
};
#pragma pack(pop)

static_assert(sizeof(TestNotes) == 632);
static_assert(sizeof(AudiometerRecord) == 82376);
static_assert(offsetof(AudiometerRecord, setup) == 324);
static_assert(offsetof(AudiometerRecord, results) == 4896);
static_assert(offsetof(AudiometerRecord, notes) == 81744);

} // namespace orvik
