#include "sim/SimBlocks.h"

#include <algorithm>
#include <cmath>

namespace orvik::sim {

WireLevel encodeLevel(double db) {
    if (!(db > 0.0))
        return {0, 0};
    const long steps = std::min(std::lround(db * 256.0), 255L * 256L + 255L);
    return {static_cast<std::uint8_t>(steps / 256), static_cast<std::uint8_t>(steps % 256)};
}

WireFrequency encodeFrequency(double hz) {
    if (!(hz > 0.0))
        return {0, 0, 0};
    const long steps = std::min(std::lround(hz * 256.0), 65535L * 256L + 255L);
    const long whole = steps / 256;
    return {static_cast<std::uint8_t>(whole >> 8), static_cast<std::uint8_t>(whole & 0xff),
            static_cast<std::uint8_t>(steps % 256)};
}

WireCount encodeCount(int value) {
    const int clamped = std::clamp(value, 0, 65535);
    return {static_cast<std::uint8_t>(clamped >> 8), static_cast<std::uint8_t>(clamped & 0xff)};
}

WireCount encodeHalfMilliseconds(double ms) {
    return encodeCount(static_cast<int>(std::lround(ms * 2.0)));
}

double decodeLevel(WireLevel level) {
    return level.wholeDb + level.fraction / 256.0;
}

double decodeFrequency(WireFrequency frequency) {
    return ((frequency.high << 8) | frequency.low) + frequency.fraction / 256.0;
}

int decodeCount(WireCount count) {
    return (count.high << 8) | count.low;
}

} // namespace orvik::sim
