#include "measure/BroadBandSpectrum.h"

#include <cmath>

namespace orvik {

namespace {
constexpr int FirstLevelByte = 10;
constexpr double OnTheBound = 0.0001; // float storage of a value on the bound must not fail it
} // namespace

int broadBandLineOf(double hz) {
    return int(std::lround(hz / BroadBandLineSpacingHz));
}

double broadBandLineHz(int line) {
    return line * BroadBandLineSpacingHz;
}

bool broadBandLevelsFromBlock(const QByteArray& block, float calibrationOffset,
                              float (&levels)[BroadBandLevelCount]) {
    if (block.size() < FirstLevelByte + 2 * BroadBandLevelCount - 1)
        return false;
    const auto byteAt = [&block](int index) { return index < block.size() ? quint8(block[index]) : 0; };
    for (int k = 0; k < BroadBandLevelCount; ++k) {
        const int at = FirstLevelByte + 2 * k;
        levels[k] = float(byteAt(at)) + float(byteAt(at + 1)) / 256.0f + calibrationOffset;
    }
    return true;
}

bool broadBandMeasured(const BroadBandSource& source) {
    return source.level[broadBandLineOf(BroadBandReferenceHz)] > NotMeasuredLimit;
}

BroadBandJudgement judgeBroadBand(const BroadBandSource& source) {
    BroadBandJudgement judgement;
    judgement.levelAt1000 = source.level[broadBandLineOf(BroadBandReferenceHz)];
    judgement.maxDeviationHz = BroadBandLowestHz;
    for (int line = broadBandLineOf(BroadBandLowestHz); line <= broadBandLineOf(BroadBandHighestHz); ++line) {
        const double deviation = double(judgement.levelAt1000) - double(source.level[line]);
        if (std::abs(deviation) > BroadBandLimitDb + OnTheBound)
            ++judgement.failures;
        if (std::abs(deviation) > std::abs(judgement.maxDeviation)) {
            judgement.maxDeviation = deviation;
            judgement.maxDeviationHz = broadBandLineHz(line);
        }
    }
    return judgement;
}

double broadBandOverallSpl(const BroadBandSource& source) {
    double energy = 0.0;
    for (float level : source.level)
        energy += std::pow(10.0, double(level) / 10.0);
    return 10.0 * std::log10(energy);
}

QList<QPointF> broadBandGraphPoints(const BroadBandSource& source) {
    QList<QPointF> points;
    points.reserve(BroadBandLevelCount);
    for (int k = 0; k < BroadBandLevelCount; ++k)
        points << QPointF(broadBandLineHz(k), double(source.level[k]));
    return points;
}

} // namespace orvik
