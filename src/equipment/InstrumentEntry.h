#pragma once

#include "equipment/InstrumentKind.h"
#include "model/EmbeddedInstrument.h"
#include "model/FixedText.h"

namespace orvik {

inline constexpr int InstrumentValueCount = 189; // floats from byte 76 to the end of the 832-byte entry
inline constexpr int MastoidResponseSets = 3;

#pragma pack(push, 1)
struct CalibratorValues {
    float frequency; // Hz, byte 76
    float level;     // dB, byte 80
    float unused[InstrumentValueCount - 2];
};

struct MicrophoneValues {
    float pressureResponse[FrequencyCount];    // dB by FreqIndex, byte 76
    float sensitivity;                         // mV/Pa, byte 232
    float gridCorrection[GridCorrectionCount]; // dB, 9000..20000 Hz, byte 236
    float unused[InstrumentValueCount - FrequencyCount - 1 - GridCorrectionCount];
};

struct MastoidValues {
    float response1[FrequencyCount]; // byte 76; the only set of a "B" mastoid, RKC310 of a Veltan one
    float sensitivity;               // mV/N, byte 232
    float block[MastoidBlockCount];  // byte 236; carried along on update, never interpreted
    float response2[FrequencyCount]; // byte 520, RKC311
    float response3[FrequencyCount]; // byte 676, RKC420
};

union InstrumentValues {
    CalibratorValues calibrator;
    MicrophoneValues microphone;
    MastoidValues mastoid;
    float raw[InstrumentValueCount];
};

// One instrument of the equipment lists, exactly as the equipment block stores it. 4-byte aligned, so its
// values can be handed on as plain float arrays.
struct alignas(4) InstrumentEntry {
    qint32 kind;               // InstrumentKind
    qint32 link;               // meaningless outside the program's own lists; 0 in copies
    EmbeddedIdentity identity; // due date "%04d-%02d-%02d", manufacturer, model, serial number (the key)
    InstrumentValues values;

    QString serialNumber() const { return fixedText(identity.serialNumber); }
    QString model() const { return fixedText(identity.model); }
    QString manufacturer() const { return fixedText(identity.manufacturer); }
    QString dueDate() const { return fixedText(identity.dueDate); }
    float* mastoidResponseSet(int set); // set 1..3
    const float* mastoidResponseSet(int set) const;
};
#pragma pack(pop)

static_assert(sizeof(CalibratorValues) == 756);
static_assert(sizeof(MicrophoneValues) == 756);
static_assert(sizeof(MastoidValues) == 756);
static_assert(sizeof(InstrumentEntry) == 832);
static_assert(alignof(InstrumentEntry) == 4);
static_assert(offsetof(InstrumentEntry, link) == 4);
static_assert(offsetof(InstrumentEntry, identity) == 8);
static_assert(offsetof(InstrumentEntry, identity) + offsetof(EmbeddedIdentity, manufacturer) == 21);
static_assert(offsetof(InstrumentEntry, identity) + offsetof(EmbeddedIdentity, model) == 47);
static_assert(offsetof(InstrumentEntry, identity) + offsetof(EmbeddedIdentity, serialNumber) == 63);
static_assert(offsetof(InstrumentEntry, values) == 76);
static_assert(offsetof(InstrumentEntry, values) + offsetof(MicrophoneValues, sensitivity) == 232);
static_assert(offsetof(InstrumentEntry, values) + offsetof(MicrophoneValues, gridCorrection) == 236);
static_assert(offsetof(InstrumentEntry, values) + offsetof(MastoidValues, block) == 236);
static_assert(offsetof(InstrumentEntry, values) + offsetof(MastoidValues, response2) == 520);
static_assert(offsetof(InstrumentEntry, values) + offsetof(MastoidValues, response3) == 676);
static_assert(offsetof(InstrumentEntry, values) + offsetof(CalibratorValues, level) == 80);

// A zeroed entry of a kind.
InstrumentEntry emptyInstrumentEntry(InstrumentKind kind);

// "%s SN-%s": the instrument list's line.
QString listLine(const InstrumentEntry& entry);

// The due date "%04d-%02d-%02d".
QString formatDueDate(int year, int month, int day);

// Values are kept to 0.01: the value plus 0.0001, printed with two decimals and read back.
float roundToHundredth(float value);
void roundValuesToHundredth(InstrumentEntry& entry);

// The embedded forms a test record holds: the entry from its due date on, as far as the kind reaches.
EmbeddedIdentity toEmbeddedIdentity(const InstrumentEntry& entry);
EmbeddedCalibrator toEmbeddedCalibrator(const InstrumentEntry& entry);
EmbeddedMicrophone toEmbeddedMicrophone(const InstrumentEntry& entry);
EmbeddedMastoid toEmbeddedMastoid(const InstrumentEntry& entry);
EmbeddedMastoidTail toEmbeddedMastoidTail(const InstrumentEntry& entry);
InstrumentEntry fromEmbedded(InstrumentKind kind, const void* embedded, std::size_t size);

} // namespace orvik
