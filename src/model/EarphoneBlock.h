#pragma once

#include <QtGlobal>
#include <cstddef>

namespace orvik {

inline constexpr int FrequencyCount = 39;

#pragma pack(push, 1)
// An earphone with its own reference levels: the same 232 bytes in the equipment lists and in the three
// earphone slots of the test set-up.
struct EarphoneBlock {
    char manufacturer[26];        // at most 25 characters
    char leftSerial[13];          // at most 12 characters
    char rightSerial[13];         // at most 12 characters
    quint16 kind;                 // EarphoneKind: 0 supra-aural, 1 insert, 2 circumaural
    quint16 coupler;              // CouplerCode 0..6
    float retspl[FrequencyCount]; // dB by FreqIndex; 0 = no reference at that frequency
    char model[16];               // at most 15 characters; the key into the default tables
    quint8 standard;              // 1 = retspl holds the defaults of this model and coupler
    quint8 filler[3];
};
#pragma pack(pop)

static_assert(sizeof(EarphoneBlock) == 232);
static_assert(offsetof(EarphoneBlock, kind) == 52);
static_assert(offsetof(EarphoneBlock, coupler) == 54);
static_assert(offsetof(EarphoneBlock, retspl) == 56);
static_assert(offsetof(EarphoneBlock, model) == 212);
static_assert(offsetof(EarphoneBlock, standard) == 228);

} // namespace orvik
