#pragma once

#include "model/RecordResults.h"

#include <QByteArray>
#include <array>

namespace orvik {

inline constexpr int FmBlockSize = 36;

// One "&R7" reply of the pulse/FM analysis, as far as the FM test reads it.
struct FmReply {
    double carrier = 0.0; // Hz
    double highest = 0.0;
    double lowest = 0.0;
    double rate = 0.0;
    qint16 byte3 = 0;
    qint16 byte4 = 0;
    // A sweep that does not enclose its carrier is a reading taken while the analysis was still settling.
    bool valid() const { return lowest <= carrier && carrier <= highest; }
    bool pureTone() const { return lowest <= 0.0001 && highest < 0.0001; }
};

// A frequency of the reply: whole hertz in two big-endian bytes at `at`, then 1/256 Hz in the third. The block
// must hold them.
double replyFixedPoint(const QByteArray& block, int at);

// A short block gives an invalid reply of zeros.
FmReply parseFmReply(const QByteArray& block);

// Three readings of one point agree when the frequencies lie within 15 Hz and the rates within 0.1 Hz.
bool fmReadingsAgree(const std::array<FmReply, 3>& readings);
// The point from three agreeing readings: arithmetic means, the reply bytes of the last.
FmEntry fmMean(const std::array<FmReply, 3>& readings);

} // namespace orvik
