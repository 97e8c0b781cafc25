#pragma once

#include "model/RecordResults.h"

#include <QByteArray>
#include <QList>
#include <QPointF>

namespace orvik {

// The meter's FFT at bandwidth setting 5 spans 10 kHz: 401 lines from 0 Hz, 25 Hz apart, so every frequency of
// the 25 Hz judgement grid is a line of its own (line = frequency / 25: 1000 Hz is line 40, 250 to 5000 Hz are
// lines 10 to 200).
inline constexpr int BroadBandFftBandwidth = 5;
inline constexpr double BroadBandLineSpacingHz = 25.0;
inline constexpr double BroadBandReferenceHz = 1000.0;
inline constexpr double BroadBandLowestHz = 250.0;
inline constexpr double BroadBandHighestHz = 5000.0;
inline constexpr double BroadBandLimitDb = 5.0;

int broadBandLineOf(double hz);
double broadBandLineHz(int line);

// The levels of an "&R6" block: line k is byte 10 + 2k plus byte 11 + 2k / 256 plus the calibration offset; the
// last line's fraction lies beyond the block and counts as 0. False for a block too short.
bool broadBandLevelsFromBlock(const QByteArray& block, float calibrationOffset, float (&levels)[BroadBandLevelCount]);

// A source counts as measured when its 1000 Hz level is above the not-measured limit.
bool broadBandMeasured(const BroadBandSource& source);

// Deviation = level at 1000 Hz - level at the frequency, for every 25 Hz from 250 to 5000 Hz; the one of greatest
// magnitude is kept with its sign (the lowest frequency among equals), and each beyond ±5.0 dB counts a failure.
struct BroadBandJudgement {
    float levelAt1000 = 0.0f;
    double maxDeviation = 0.0;
    double maxDeviationHz = 0.0;
    int failures = 0;
    bool passes() const { return failures == 0; }
};
BroadBandJudgement judgeBroadBand(const BroadBandSource& source);

// The energy sum of every line, dB.
double broadBandOverallSpl(const BroadBandSource& source);

// The spectrum as a graph draws it: (frequency in Hz, level in dB) for every line.
QList<QPointF> broadBandGraphPoints(const BroadBandSource& source);

} // namespace orvik
