#include "measure/PulseReply.h"

#include "measure/FmReading.h"

#include <algorithm>

namespace orvik {

namespace {
unsigned byteAt(const QByteArray& block, int at) {
    return static_cast<unsigned char>(block[at]);
}

unsigned bigEndian(const QByteArray& block, int at) {
    return byteAt(block, at) * 256u + byteAt(block, at + 1);
}

// The meter counts times in half milliseconds.
float halfMs(const QByteArray& block, int at) {
    return float(bigEndian(block, at)) / 2.0f;
}
} // namespace

bool PulseReply::isPulse() const {
    return count != 0 || int(rise) != 0 || int(fall) != 0 || int(on) != 0 || int(off) != 0 || int(plateau) != 0;
}

bool parsePulseReply(const QByteArray& block, float calibrationOffset, PulseReply& reply) {
    if (block.size() < FmBlockSize)
        return false;
    reply.status[0] = qint16(byteAt(block, 3));
    reply.status[1] = qint16(byteAt(block, 4));
    reply.count = qint32(bigEndian(block, 5));
    reply.rise = halfMs(block, 7);
    reply.fall = halfMs(block, 9);
    reply.on = halfMs(block, 11);
    reply.off = halfMs(block, 13);
    reply.plateau = halfMs(block, 15);
    reply.level1 = float(byteAt(block, 17) + byteAt(block, 18) / 256.0);
    reply.level2 = float(byteAt(block, 19) + byteAt(block, 20) / 256.0 + calibrationOffset);
    for (int n = 0; n < 4; ++n)
        reply.frequency[n] = float(replyFixedPoint(block, 21 + 3 * n));
    return true;
}

void storePulse(const PulseReply& reply, PulseBlock& block, FreqIndex at) {
    block.riseTime = reply.rise;
    block.fallTime = reply.fall;
    block.onTime = reply.on;
    block.offTime = reply.off;
    block.plateau = reply.plateau;
    block.pulseCount = reply.count;
    block.level1 = reply.level1;
    block.level2 = reply.level2;
    PulseFrequencyEntry& entry = block.frequency[at];
    std::copy(std::begin(reply.frequency), std::end(reply.frequency), std::begin(entry.value));
    entry.status[0] = reply.status[0];
    entry.status[1] = reply.status[1];
}

} // namespace orvik
