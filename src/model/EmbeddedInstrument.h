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
#pragma pack(pop)

static_assert(sizeof(EmbeddedIdentity) == 68);
static_assert(offsetof(EmbeddedIdentity, manufacturer) == 13);
static_assert(offsetof(EmbeddedIdentity, model) == 39);
static_assert(offsetof(EmbeddedIdentity, serialNumber) == 55);
static_assert(sizeof(EmbeddedCalibrator) == 76);
static_assert(sizeof(EmbeddedMicrophone) == 284);
static_assert(offsetof(EmbeddedMicrophone, sensitivity) == 224);
static_assert(sizeof(EmbeddedMastoid) == 228);

} // namespace orvik
