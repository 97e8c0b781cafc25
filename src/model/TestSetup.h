#pragma once

#include "model/EarphoneBlock.h"
#include "model/EmbeddedInstrument.h"
#include "model/Transducer.h"

namespace orvik {

#pragma pack(push, 1)
struct DeviceDescription {
    char manufacturer[26]; // at most 25 characters
    char model[16];        // at most 15 characters
    char serialNumber[13]; // at most 12 characters
};

inline constexpr int MicrophoneSlots = 6;

// The instruments chosen for a test, copied from the equipment lists.
struct TestInstruments {
    EmbeddedSlm soundLevelMeter;
    EmbeddedPreamp preamp;
    EmbeddedMicrophone microphones[MicrophoneSlots]; // choosing one fills the unused slots from it onwards
    EmbeddedMicrophone spareMicrophone;              // kept for stored records; not offered for choice
    EmbeddedCalibrator calibrator;
    EmbeddedMastoid mastoid;
    EmbeddedMastoidTail mastoidTail;
};

// Who tested what, where and when, and how the audiometer and its transducers are set up.
struct TestSetup {
    char technician[41];
    char customerName[41];
    char location1[41];
    char location2[41];
    TestInstruments instruments;
    char dateLastCalibrated[13]; // "%04d-%02d-%02d"
    char audManufacturer[26];
    char audModel[16];
    char audSerialNumber[13];
    char audType[11]; // ANSI type "1".."5"
    char inventoryNumber[16];
    char calibrationDueDate[13]; // "%04d-%02d-%02d"
    quint16 numberOfChannels;    // 1..4
    quint8 filler1[38];
    qint32 frequencySelected[FrequencyCount]; // nonzero = tested
    quint8 filler2[4];
    float fmRate;      // Hz
    float fmDeviation; // percent
    quint8 filler3[156];
    EarphoneBlock supraAural;
    EarphoneBlock insert;
    EarphoneBlock circumaural;
    DeviceDescription boneVibrator;
    quint8 filler4[3];
    DeviceDescription speakers[2]; // left, right
    quint8 filler5[14];
    quint16 channelToTest; // 1..4
    char testDate[16];     // "%4d-%02d-%02d"
    quint16 dataVersion;   // program version times 100
    quint8 filler6[2];
    float temperature; // degrees C
    quint16 humidity;  // percent
    quint8 filler7[2];
    float pressure; // as typed: inches or millimetres of mercury, or kPa
};
#pragma pack(pop)

static_assert(sizeof(TestInstruments) == 3024);
static_assert(offsetof(TestInstruments, microphones) == 136);
static_assert(offsetof(TestInstruments, spareMicrophone) == 1840);
static_assert(offsetof(TestInstruments, calibrator) == 2124);
static_assert(offsetof(TestInstruments, mastoid) == 2200);
static_assert(offsetof(TestInstruments, mastoidTail) == 2428);

static_assert(sizeof(TestSetup) == 4572);
static_assert(offsetof(TestSetup, instruments) == 164);
static_assert(offsetof(TestSetup, dateLastCalibrated) == 3188);
static_assert(offsetof(TestSetup, audModel) == 3227);
static_assert(offsetof(TestSetup, audSerialNumber) == 3243);
static_assert(offsetof(TestSetup, numberOfChannels) == 3296);
static_assert(offsetof(TestSetup, frequencySelected) == 3336);
static_assert(offsetof(TestSetup, fmRate) == 3496);
static_assert(offsetof(TestSetup, supraAural) == 3660);
static_assert(offsetof(TestSetup, insert) == 3892);
static_assert(offsetof(TestSetup, circumaural) == 4124);
static_assert(offsetof(TestSetup, boneVibrator) == 4356);
static_assert(offsetof(TestSetup, speakers) == 4414);
static_assert(offsetof(TestSetup, channelToTest) == 4538);
static_assert(offsetof(TestSetup, testDate) == 4540);
static_assert(offsetof(TestSetup, dataVersion) == 4556);
static_assert(offsetof(TestSetup, temperature) == 4560);
static_assert(offsetof(TestSetup, humidity) == 4564);
static_assert(offsetof(TestSetup, pressure) == 4568);

namespace detail {
template <typename Setup> auto& earphoneSlot(Setup& setup, EarphoneKind kind) {
    switch (kind) {
    case EarphoneKind::Insert:
        return setup.insert;
    case EarphoneKind::Circumaural:
        return setup.circumaural;
    case EarphoneKind::SupraAural:
        break;
    }
    return setup.supraAural;
}
} // namespace detail

// The earphone slot of a kind; the three slots lie in EarphoneKind order. A stored kind out of range gives the
// supra-aural slot rather than a neighbouring field.
inline EarphoneBlock& earphoneSlot(TestSetup& setup, EarphoneKind kind) {
    return detail::earphoneSlot(setup, kind);
}
inline const EarphoneBlock& earphoneSlot(const TestSetup& setup, EarphoneKind kind) {
    return detail::earphoneSlot(setup, kind);
}

} // namespace orvik
