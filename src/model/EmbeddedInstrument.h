#pragma once

#include "model/EarphoneBlock.h"

namespace orvik {

#pragma pack(push, 1)
// An instrument as a test record holds it: the equipment entry from its calibration due date onwards,
// as far as its kind's values reach. Empty due date or serial number: no instrument chosen.
struct EmbeddedIdentity {
    char dueDate[13];      // "%04d-%02d-%02d"
    char manufacturer[26]; // at most 25 characters
    char model[16];        // at most 15 characters
    char serialNumber[13]; // at most 12 characters
};

// Sound level meter and preamplifier: identity only.
using EmbeddedSlm = EmbeddedIdentity;
using EmbeddedPreamp = EmbeddedIdentity;

struct EmbeddedCalibrator {
    EmbeddedIdentity identity;
    float frequency; // Hz
    float level;     // dB
};

inline constexpr int GridCorrectionCount = 14; // 9000..20000 Hz, FreqIndex 25..38

struct EmbeddedMicrophone {
    EmbeddedIdentity identity;
    float pressureResponse[FrequencyCount]; // dB by FreqIndex
    float sensitivity;                      // mV/Pa
    float gridCorrection[GridCorrectionCount];
};

struct EmbeddedMastoid {
    EmbeddedIdentity identity;
    float response[FrequencyCount]; // response set 1, dB by FreqIndex
    float sensitivity;              // mV/N
};

inline constexpr int MastoidBlockCount = 71;

// The rest of a mastoid's list entry after its sensitivity: a record keeps the whole entry, in two pieces, so
// that the bone measurements find the response of every coupler. The block's first 68 bytes are read as an
// identity where older records put a second mastoid-page entry; nothing interprets the rest.
struct EmbeddedMastoidTail {
    float block[MastoidBlockCount];
    float response2[FrequencyCount]; // RKC311 coupler, dB by FreqIndex
    float response3[FrequencyCount]; // RKC420 coupler
};
#pragma pack(pop)

static_assert(sizeof(EmbeddedIdentity) == 68);
static_assert(offsetof(EmbeddedIdentity, manufacturer) == 13);
static_assert(offsetof(EmbeddedIdentity, model) == 39);
static_assert(offsetof(EmbeddedIdentity, serialNumber) == 55);
static_assert(sizeof(EmbeddedCalibrator) == 76);
static_assert(sizeof(EmbeddedMicrophone) == 284);
static_assert(offsetof(EmbeddedMicrophone, sensitivity) == 224);
static_assert(sizeof(EmbeddedMastoid) == 228);
static_assert(sizeof(EmbeddedMastoidTail) == 596);
static_assert(offsetof(EmbeddedMastoidTail, response2) == 284);
static_assert(offsetof(EmbeddedMastoidTail, response3) == 440);

} // namespace orvik
