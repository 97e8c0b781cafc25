#pragma once

#include "model/RecordHeader.h"
#include "model/RecordResults.h"
#include "model/TestSetup.h"

#include <QByteArray>

class QDate;

namespace orvik {

inline constexpr int VisualCheckItems = 30;

#pragma pack(push, 1)
struct TestNotes {
    char comments[512];                   // at most 511 characters
    qint32 visualCheck[VisualCheckItems]; // 0 "P", 1 "F", 2 "NA"
};

// Everything known about one calibration of one audiometer channel. Stored byte for byte as one block, so this
// layout is also a file format: see docs/record-layout.md.
struct AudiometerRecord {
    RecordHeader header;
    TestSetup setup;
    RecordResults results;
    TestNotes notes;
};
#pragma pack(pop)

static_assert(sizeof(TestNotes) == 632);
static_assert(offsetof(TestNotes, visualCheck) == 512);
static_assert(sizeof(AudiometerRecord) == 82376);
static_assert(offsetof(AudiometerRecord, setup) == 324);
static_assert(offsetof(AudiometerRecord, results) == 4896);
static_assert(offsetof(AudiometerRecord, notes) == 81744);

// Program version 2.201 times 100, rounded: written into every new record.
inline constexpr quint16 CurrentDataVersion = 220;

// Clears the record to all zero bytes, then stamps the test date ("%4d-%02d-%02d") and the data version. The
// input levels are the caller's to load: they come from the settings.
void startNewRecord(AudiometerRecord& record, const QDate& today);

QString testDateText(const QDate& date);

// The record as stored: its bytes exactly as they lie in memory.
QByteArray recordBytes(const AudiometerRecord& record);
// Copies a stored block into the record. A short block leaves the rest zero (a row without data gives an empty
// record); bytes beyond the record's size are ignored. Answers whether the block was complete.
bool loadRecordBytes(const QByteArray& bytes, AudiometerRecord& record);

} // namespace orvik
