#pragma once

#include "model/EmbeddedInstrument.h"

#include <cstring>

namespace orvik {

inline constexpr int AmbientBandCount = 33; // one-third octaves 12.5 Hz .. 20000 Hz
inline constexpr float AmbientNotMeasured = -100.0f;

#pragma pack(push, 1)
// One booth ambient test. Stored byte for byte behind the version header, so this layout is a file format.
// The filler bytes are where the stored form keeps its float fields on 4-byte boundaries.
struct AmbientRecord {
    char customerName[41];       // at most 40 characters
    char location1[41];          // at most 40 characters
    char location2[41];          // at most 40 characters
    EmbeddedSlm soundLevelMeter; // empty serial number: not chosen
    quint8 filler1[1];
    EmbeddedMicrophone microphone;
    EmbeddedPreamp preamp;
    EmbeddedCalibrator calibrator; // not required for a measurement
    char booth[41];                // at most 40 characters
    quint8 filler2[3];
    float spectrum[AmbientBandCount]; // dB SPL, band 0 = 12.5 Hz; -100.0 = not measured
    char measurementDate[16];         // "%Y-%m-%d"; empty when not known
    char testName[41];                // unique key of the record in the database
    quint8 filler3[3];
};
#pragma pack(pop)

static_assert(sizeof(AmbientRecord) == 856);
static_assert(offsetof(AmbientRecord, location1) == 41);
static_assert(offsetof(AmbientRecord, location2) == 82);
static_assert(offsetof(AmbientRecord, soundLevelMeter) == 123);
static_assert(offsetof(AmbientRecord, microphone) == 192);
static_assert(offsetof(AmbientRecord, preamp) == 476);
static_assert(offsetof(AmbientRecord, calibrator) == 544);
static_assert(offsetof(AmbientRecord, booth) == 620);
static_assert(offsetof(AmbientRecord, spectrum) == 664);
static_assert(offsetof(AmbientRecord, measurementDate) == 796);
static_assert(offsetof(AmbientRecord, testName) == 812);

// A record with nothing in it: all zero, every band not measured.
inline AmbientRecord clearedAmbientRecord() {
    AmbientRecord record;
    std::memset(&record, 0, sizeof record);
    for (float& band : record.spectrum)
        band = AmbientNotMeasured;
    return record;
}

} // namespace orvik
