#include "measure/FmReading.h"

#include <algorithm>

namespace orvik {

namespace {
constexpr double FrequencySpreadHz = 15.0;
constexpr double RateSpreadHz = 0.1;

template <typename Field> double spread(const std::array<FmReply, 3>& readings, Field field) {
    const auto [low, high] = std::minmax({field(readings[0]), field(readings[1]), field(readings[2])});
    return high - low;
}
} // namespace

double replyFixedPoint(const QByteArray& block, int at) {
    const auto byte = [&](int i) { return static_cast<unsigned char>(block[at + i]); };
    return byte(0) * 256.0 + byte(1) + byte(2) / 256.0;
}

FmReply parseFmReply(const QByteArray& block) {
    FmReply reply;
    if (block.size() < FmBlockSize) {
        reply.lowest = 1.0; // lowest above carrier: never valid
        return reply;
    }
    reply.carrier = replyFixedPoint(block, 21);
    reply.highest = replyFixedPoint(block, 24);
    reply.lowest = replyFixedPoint(block, 27);
    reply.rate = replyFixedPoint(block, 30);
    reply.byte3 = static_cast<unsigned char>(block[3]);
    reply.byte4 = static_cast<unsigned char>(block[4]);
    return reply;
}

bool fmReadingsAgree(const std::array<FmReply, 3>& readings) {
    return spread(readings, [](const FmReply& r) { return r.carrier; }) <= FrequencySpreadHz &&
           spread(readings, [](const FmReply& r) { return r.lowest; }) <= FrequencySpreadHz &&
           spread(readings, [](const FmReply& r) { return r.highest; }) <= FrequencySpreadHz &&
           spread(readings, [](const FmReply& r) { return r.rate; }) <= RateSpreadHz;
}

FmEntry fmMean(const std::array<FmReply, 3>& readings) {
    const auto mean = [&](auto field) {
        return float((field(readings[0]) + field(readings[1]) + field(readings[2])) / 3.0);
    };
    FmEntry entry{};
    entry.carrier = mean([](const FmReply& r) { return r.carrier; });
    entry.rate = mean([](const FmReply& r) { return r.rate; });
    entry.lowest = mean([](const FmReply& r) { return r.lowest; });
    entry.highest = mean([](const FmReply& r) { return r.highest; });
    entry.replyByte3 = readings[2].byte3;
    entry.replyByte4 = readings[2].byte4;
    return entry;
}

} // namespace orvik
