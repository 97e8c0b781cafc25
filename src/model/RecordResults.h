#pragma once

#include "model/EarphoneBlock.h"
#include "model/Transducer.h"

#include <QtGlobal>
#include <cstddef>

namespace orvik {

// Channels kept per transducer: left and right ear (or speaker). Pages with one channel use the left slot.
inline constexpr int EarCount = 2;
inline constexpr int LowFrequencyCount = 25;          // FreqIndex 0..24, 31.5..8000 Hz
inline constexpr int LinearityLevelCount = 141;       // dial levels 0..140 dB HL
inline constexpr int BroadBandLevelCount = 401;       // FFT lines of the meter's broad-band spectrum
inline constexpr int BroadBandSourceCount = 3;        // "White Noise", "Tape/CD A", "Tape/CD B"
inline constexpr int SpeechSourceCount = 5;           // "Mic", "Tape/CD A", "Tape/CD B", "Speech Noise", "White Noise"
inline constexpr int SoundFieldKindCount = 2;         // 0 warble tones, 1 narrow-band noise
inline constexpr int SoundFieldPageCount = 3;         // 0 left speaker, 1 right speaker, 2 binaural
inline constexpr float LinearityUnstable = -11.0f;    // a linearity level whose reading failed
inline constexpr float HarmonicsNotComputed = 999.0f; // in the 2nd harmonic: the meter could not compute them
inline constexpr float CrossTalkToneOffMeasured = 11.0f;

// A value at or below this in a result array is "not measured" (dB or Hz).
inline constexpr float NotMeasuredLimit = 10.0f;

#pragma pack(push, 1)
// Hearing level (test 0) and frequency accuracy (test 1) share one entry per frequency.
struct ToneEntry {
    float frequency; // Hz measured by the frequency test
    float spl;       // dB, measured SPL (band level less the microphone correction)
    qint16 dialHl;   // dB HL the technician was asked to set
};

struct FmEntry {
    float carrier;     // Hz
    float rate;        // Hz, repetition rate
    float lowest;      // Hz, lowest frequency of the sweep
    float highest;     // Hz, highest frequency of the sweep
    qint16 replyByte3; // bytes 3 and 4 of the meter's FM reply, kept as read
    qint16 replyByte4;
};

struct NarrowBandEntry {
    float spl; // dB
    qint16 dialHl;
};

struct LinearityBlock {
    float testFrequency;            // Hz; 0 = no test frequency chosen
    qint16 maxDialLevel;            // dB HL, 0..140
    qint16 dialStep;                // dB: 1, 2, 5 or 10
    float noiseFloor;               // dB, band level at the audiometer's minimum
    float spl[LinearityLevelCount]; // dB by dial level; 0 = not measured, LinearityUnstable = failed
};

struct DistortionEntry {
    float frequency;   // Hz, measured fundamental
    float fundamental; // dB; at or below 10 = not measured
    float harmonic[4]; // dB absolute, 2nd..5th; harmonic[0] == HarmonicsNotComputed: not computed
    float thd;         // percent
};

struct PulseFrequencyEntry {
    float value[4];   // frequency values of the pulse reply, kept as read
    qint16 status[2]; // bytes 3 and 4 of the reply; bit 0x20 of status[0] = on/off ratio failed
};

struct PulseBlock {
    float riseTime; // ms, resolution 0.5 ms
    float fallTime;
    float onTime;
    float offTime;
    float plateau;
    qint32 pulseCount;
    float level1; // dB, first level of the reply, kept as read
    float level2; // dB with calibration offset; at or below 10 = not measured
    PulseFrequencyEntry frequency[FrequencyCount];
};

struct CrossTalkBlock {
    float testFrequency; // Hz
    float leftToneOn;    // dB SPL
    float rightToneOn;
    float toneOffMarker;   // CrossTalkToneOffMeasured once the tone-off level is measured
    float leftWithRightOn; // left earphone on the coupler, tone in the right one
    float rightWithLeftOn;
    float toneOff;
};

struct BroadBandSource {
    float level[BroadBandLevelCount]; // dB by FFT line, calibration offset included
    qint32 dialHl;                    // "HL Dial Setting:"
};

struct SpeechSource {
    float level; // dB SPL (force level for the bone vibrator)
    qint16 dialHl;
    qint16 placement; // bone vibrator: 0 mastoid, 1 forehead
    qint16 angle;     // speakers: 0, 1, 2 for 0, 45, 90 degrees
};

struct BoneLevelBlock {
    float forceLevel[FrequencyCount]; // dB re 1 uN, FreqIndex 5..24; at or below 10 = not measured
    qint16 dialHl[FrequencyCount];
    qint16 placement; // 0 mastoid, 1 forehead
};

struct SoundFieldBlock {
    float level[FrequencyCount]; // dB SPL, no microphone correction
    qint16 dialHl[FrequencyCount];
    qint16 angle;    // 0, 1, 2 for 0, 45, 90 degrees
    qint16 binaural; // 1 on the binaural page
};

// Dial levels by FreqIndex: 0..24 is the low-frequency page, 25..38 the high-frequency page. The bone vibrator
// uses 5..24 only.
struct InputLevelTable {
    qint16 level[FrequencyCount];
    qint16 defaults[FrequencyCount];
};

struct InputLevels {
    InputLevelTable hearingLevel[TransducerCount]; // by TransducerKind
    InputLevelTable narrowBand[TransducerCount];   // the bone vibrator's stays unused
    qint16 speech[TransducerCount];                // dB HL by TransducerKind
    qint16 broadBand[TransducerCount];
};

// The results of every test, by test and, within a test, by TransducerKind and ear.
struct RecordResults {
    ToneEntry tone[TransducerCount][EarCount][FrequencyCount];
    FmEntry fm[TransducerCount][EarCount][FrequencyCount];
    NarrowBandEntry narrowBand[TransducerCount][EarCount][FrequencyCount];
    LinearityBlock linearity[TransducerCount][EarCount];
    DistortionEntry distortion[TransducerCount][EarCount][LowFrequencyCount];
    PulseBlock pulse[TransducerCount];
    CrossTalkBlock crossTalk[TransducerCount];
    BroadBandSource broadBand[EarphoneKindCount][EarCount][BroadBandSourceCount]; // earphones only: by EarphoneKind
    SpeechSource speech[TransducerCount][EarCount][SpeechSourceCount];
    BoneLevelBlock boneLevel;
    SoundFieldBlock soundField[SoundFieldKindCount][SoundFieldPageCount];
    InputLevels inputLevels;
    quint8 filler[13160]; // zero; free for later fields
};
#pragma pack(pop)

static_assert(sizeof(ToneEntry) == 10);
static_assert(sizeof(FmEntry) == 20);
static_assert(sizeof(NarrowBandEntry) == 6);
static_assert(sizeof(LinearityBlock) == 576);
static_assert(offsetof(LinearityBlock, noiseFloor) == 8);
static_assert(offsetof(LinearityBlock, spl) == 12);
static_assert(sizeof(DistortionEntry) == 28);
static_assert(sizeof(PulseFrequencyEntry) == 20);
static_assert(sizeof(PulseBlock) == 812);
static_assert(offsetof(PulseBlock, pulseCount) == 20);
static_assert(offsetof(PulseBlock, level2) == 28);
static_assert(offsetof(PulseBlock, frequency) == 32);
static_assert(sizeof(CrossTalkBlock) == 28);
static_assert(sizeof(BroadBandSource) == 1608);
static_assert(sizeof(SpeechSource) == 10);
static_assert(sizeof(BoneLevelBlock) == 236);
static_assert(offsetof(BoneLevelBlock, dialHl) == 156);
static_assert(sizeof(SoundFieldBlock) == 238);
static_assert(offsetof(SoundFieldBlock, dialHl) == 156);
static_assert(offsetof(SoundFieldBlock, angle) == 234);
static_assert(sizeof(InputLevelTable) == 156);
static_assert(sizeof(InputLevels) == 1580);
static_assert(offsetof(InputLevels, narrowBand) == 780);
static_assert(offsetof(InputLevels, speech) == 1560);
static_assert(offsetof(InputLevels, broadBand) == 1570);

static_assert(sizeof(RecordResults) == 76848);
static_assert(offsetof(RecordResults, tone) == 0);
static_assert(offsetof(RecordResults, fm) == 3900);
static_assert(offsetof(RecordResults, narrowBand) == 11700);
static_assert(offsetof(RecordResults, linearity) == 14040);
static_assert(offsetof(RecordResults, distortion) == 19800);
static_assert(offsetof(RecordResults, pulse) == 26800);
static_assert(offsetof(RecordResults, crossTalk) == 30860);
static_assert(offsetof(RecordResults, broadBand) == 31000);
static_assert(offsetof(RecordResults, speech) == 59944);
static_assert(offsetof(RecordResults, boneLevel) == 60444);
static_assert(offsetof(RecordResults, soundField) == 60680);
static_assert(offsetof(RecordResults, inputLevels) == 62108);
static_assert(offsetof(RecordResults, filler) == 63688);

} // namespace orvik
