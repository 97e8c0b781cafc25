#pragma once

#include "model/Transducer.h"

#include <QtGlobal>
#include <cstddef>

namespace orvik {

// Test numbers of the test sheet; they index the status table and pick the meter set-up.
enum class TestNumber : int {
    HearingLevel = 0,
    FrequencyAccuracy = 1,
    Linearity = 2,
    HarmonicDistortion = 3,
    Pulse = 4,
    CrossTalk = 5,
    FrequencyModulation = 6,
    NarrowBandLevel = 7,
    BroadBandMasking = 8,
    Speech = 9,
    SpeechHarmonicDistortion = 10,
};
inline constexpr int TestCount = 11;

// A test's verdict for one transducer; anything else (0 in a new record) means not judged.
enum class TestStatus : qint16 { NotJudged = 0, Pass = 1, Fail = -1, NotApplicable = 99 };

// Rows of the "Select Measurements to be performed" grid.
inline constexpr int SelectionRowCount = 12;

#pragma pack(push, 1)
// The leading 324 bytes of an audiometer record: what the test sheet keeps about the tests as a whole.
struct RecordHeader {
    // Bytes 0..109: verdict by test number (0..10) and TransducerKind (0..4); values of TestStatus.
    qint16 testStatus[TestCount][TransducerCount];
    // Bytes 110..169: ticks of the selection grid by row (0..11) and TransducerKind; nonzero = to be performed.
    quint8 measurementSelection[SelectionRowCount][TransducerCount];
    quint8 filler[154]; // zero; free for later fields
};
#pragma pack(pop)

static_assert(sizeof(RecordHeader) == 324);
static_assert(offsetof(RecordHeader, testStatus) == 0);
static_assert(offsetof(RecordHeader, measurementSelection) == 110);
static_assert(offsetof(RecordHeader, filler) == 170);

} // namespace orvik
