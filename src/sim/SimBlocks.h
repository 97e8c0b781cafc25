#pragma once

#include <QByteArray>
#include <array>
#include <cstddef>
#include <cstdint>

namespace orvik::sim {

// The binary blocks the meter sends after the '!' reply line of "&R1", "&R6" and "&R7". Levels in them are
// uncalibrated: the reader adds the calibration offset ("Q227") itself.

#pragma pack(push, 1)

// A level as the meter sends it: whole decibels, then 1/256 dB. Levels below 0 dB are sent as 0.
struct WireLevel {
    std::uint8_t wholeDb;  // Byte 0: whole dB, 0 to 255
    std::uint8_t fraction; // Byte 1: fraction in 1/256 dB
};
static_assert(sizeof(WireLevel) == 2);

// A frequency or rate with 1/256 resolution: two bytes big-endian whole part, one byte fraction.
struct WireFrequency {
    std::uint8_t high;     // Byte 0: whole part, bits 15..8
    std::uint8_t low;      // Byte 1: whole part, bits 7..0
    std::uint8_t fraction; // Byte 2: fraction in 1/256
};
static_assert(sizeof(WireFrequency) == 3);

// A 16-bit count, big-endian.
struct WireCount {
    std::uint8_t high;
    std::uint8_t low;
};
static_assert(sizeof(WireCount) == 2);

// Bits of the state byte that every block carries at byte 1.
enum BlockState : std::uint8_t {
    BlockRunning = 0x01,  // the meter was measuring when the block was taken
    BlockOverload = 0x02, // some level exceeded the range of the gain setting
};

// "&R1": the current one-third-octave spectrum, 33 bands from 12.5 Hz (band 0) to 20 kHz (band 32).
struct SpectrumBlock {
    std::uint8_t blockId;   // Byte 0: 1
    std::uint8_t state;     // Byte 1: BlockState bits
    std::uint8_t bandCount; // Byte 2: 33
    WireLevel bands[33];    // Bytes 3..68: band b at 3 + 2b (whole dB) and 4 + 2b (1/256 dB)
};
static_assert(sizeof(SpectrumBlock) == 69);
static_assert(offsetof(SpectrumBlock, bands) == 3);
static_assert(offsetof(SpectrumBlock, bands) + 2 * 19 == 41); // the 1000 Hz band

// Bits of the first status byte of "&R7".
enum PulseStatus : std::uint8_t {
    PulseFound = 0x01,       // a pulsed tone was analysed
    FmFound = 0x02,          // a frequency sweep was analysed
    OnOffRatioFailed = 0x20, // the off-time level is not far enough below the on-time level
};

// "&R7": the short result block of the Pulse/FM analysis; pulse timing and the FM sweep side by side.
struct PulseFmBlock {
    std::uint8_t blockId;     // Byte 0: 7
    std::uint8_t state;       // Byte 1: BlockState bits
    std::uint8_t mode;        // Byte 2: AUD mode, 0 SLM/RTA, 1 FFT, 2 Pulse/FM
    std::uint8_t status;      // Byte 3: PulseStatus bits
    std::uint8_t pulseEdges;  // Byte 4: rising and falling edges seen in the analysis window (capped at 255)
    WireCount pulseCount;     // Bytes 5-6: pulses analysed
    WireCount riseTime;       // Bytes 7-8: half milliseconds
    WireCount fallTime;       // Bytes 9-10
    WireCount onTime;         // Bytes 11-12
    WireCount offTime;        // Bytes 13-14
    WireCount plateau;        // Bytes 15-16
    WireLevel offLevel;       // Bytes 17-18: level during the off time, calibrated
    WireLevel onLevel;        // Bytes 19-20: level during the plateau, uncalibrated like the spectra
    WireFrequency carrier;    // Bytes 21-23: Hz
    WireFrequency highest;    // Bytes 24-26: Hz, 0 when no sweep was found
    WireFrequency lowest;     // Bytes 27-29: Hz, 0 when no sweep was found
    WireFrequency rate;       // Bytes 30-32: sweeps per second
    std::uint8_t reserved[3]; // Bytes 33-35: 0
};
static_assert(sizeof(PulseFmBlock) == 36);
static_assert(offsetof(PulseFmBlock, status) == 3);
static_assert(offsetof(PulseFmBlock, pulseCount) == 5);
static_assert(offsetof(PulseFmBlock, riseTime) == 7);
static_assert(offsetof(PulseFmBlock, plateau) == 15);
static_assert(offsetof(PulseFmBlock, offLevel) == 17);
static_assert(offsetof(PulseFmBlock, onLevel) == 19);
static_assert(offsetof(PulseFmBlock, carrier) == 21);
static_assert(offsetof(PulseFmBlock, highest) == 24);
static_assert(offsetof(PulseFmBlock, lowest) == 27);
static_assert(offsetof(PulseFmBlock, rate) == 30);

// "&R6": the FFT spectrum, 401 lines from 0 Hz to the span of the bandwidth setting, span / 400 apart.
// The block is 811 bytes long, so the last line (at the span itself) carries its whole decibels only.
struct FftBlock {
    std::uint8_t blockId;         // Byte 0: 6
    std::uint8_t state;           // Byte 1: BlockState bits
    std::uint8_t bandwidth;       // Byte 2: bandwidth setting 0 to 6
    WireCount lineCount;          // Bytes 3-4: 401
    std::uint8_t spanHz[4];       // Bytes 5-8: span in Hz, big-endian
    std::uint8_t window;          // Byte 9: FFT window setting
    WireLevel lines[400];         // Bytes 10..809: line k at 10 + 2k and 11 + 2k
    std::uint8_t lastLineWholeDb; // Byte 810: line 400, whole dB
};
static_assert(sizeof(FftBlock) == 811);
static_assert(offsetof(FftBlock, lines) == 10);
static_assert(offsetof(FftBlock, lastLineWholeDb) == 810);

#pragma pack(pop)

inline constexpr int SpectrumBandCount = 33;
inline constexpr int FftLineCount = 401;

WireLevel encodeLevel(double db);
WireFrequency encodeFrequency(double hz);
WireCount encodeCount(int value);
// Half milliseconds, rounded to the nearest half.
WireCount encodeHalfMilliseconds(double ms);

double decodeLevel(WireLevel level);
double decodeFrequency(WireFrequency frequency);
int decodeCount(WireCount count);

template <typename Block> QByteArray blockBytes(const Block& block) {
    return QByteArray(reinterpret_cast<const char*>(&block), sizeof(Block));
}

} // namespace orvik::sim
