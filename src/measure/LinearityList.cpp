#include "measure/LinearityList.h"

#include "measure/LinearitySeries.h"
#include "measure/ListNumber.h"

#include <algorithm>

namespace orvik {

namespace {
const QString Missing = QStringLiteral("----");
const QString Unstable = QStringLiteral("Unstable");

struct ListFrame {
    const LinearityBlock& block;
    FreqIndex frequency;
    int step;
    int lowest; // the lowest level listed
    double reference;
    bool greyed;
};

// The step of a level from the one below. Where the level below gave no reading in the listed range (the lowest
// measured level, or one above an unstable or unmeasured level) there is nothing to compare with, and the dial
// step stands in for it.
double measuredStep(const ListFrame& frame, int level) {
    const int below = level - frame.step;
    if (below < frame.lowest || !hasLinearityReading(frame.block.spl[below]))
        return frame.step;
    return double(frame.block.spl[level]) - double(frame.block.spl[below]);
}

ResultRow levelRow(ResultList& list, const ListFrame& frame, int level) {
    ResultRow row;
    row.frequency = frame.frequency;
    row.point = QStringLiteral("@%1").arg(level);
    row.greyed = frame.greyed;
    row.cells << QString::number(level);
    const float spl = frame.block.spl[level];
    if (spl == LinearityUnstable) {
        row.cells << Unstable << Missing << Unstable << Missing << Missing << Missing;
        return row;
    }
    if (!hasLinearityReading(spl)) {
        row.cells << Missing << Missing << Missing << Missing << Missing << Missing;
        return row;
    }
    const double hearingLevel = double(spl) - frame.reference;
    const double hlVariance = hearingLevel - level;
    const double step = measuredStep(frame, level);
    const double stepVariance = step - frame.step;
    const bool hlPasses = hearingLevelVariancePasses(hlVariance);
    const bool stepPassed = stepPasses(stepVariance, frame.step);
    judgeValue(list, row, QStringLiteral("step"), stepPassed, listNumber(stepVariance));
    judgeValue(list, row, QStringLiteral("hl"), hlPasses, listNumber(hlVariance, 2));
    const double tolerance = stepToleranceDb(frame.step);
    row.cells << listNumber(hearingLevel, 2) << markedIfFailing(listNumber(hlVariance, 2), hlPasses)
              << listNumber(spl, 2) << listNumber(step) << markedIfFailing(listNumber(stepVariance), stepPassed)
              << QString::asprintf("%.1f to %.1f", frame.step - tolerance, frame.step + tolerance);
    return row;
}

ResultRow noiseFloorRow(const LinearityBlock& block, bool measured, FreqIndex frequency) {
    ResultRow row;
    row.frequency = frequency;
    row.cells << (measured ? QString::asprintf("NF = %.1f", double(block.noiseFloor)) : QStringLiteral("NF = ----"));
    return row;
}
} // namespace

ResultList buildLinearityList(const TestSetup& setup, TransducerKind transducer, const LinearityBlock& block,
                              bool noiseFloorMeasured) {
    ResultList list;
    list.columns = {"Dial Level",    "dB HL",         "HL Variance", "Measured SPL",
                    "Measured Step", "Step Variance", "Target Step"};
    const FreqIndex frequency = linearityFrequency(block.testFrequency);
    ReferenceQuery query;
    query.transducer = int(transducer);
    query.frequency = frequency;
    const double reference = getReferenceLevel(setup, query, &list.missing);
    const int floor = noiseFloorMeasured ? truncatedNoiseFloor(block.noiseFloor) : 0;
    const ListFrame frame{block,
                          frequency,
                          dialStepOrDefault(block.dialStep),
                          std::max(0, floor),
                          reference,
                          list.missing.warningPending()};
    for (int level = clampMaxDialLevel(block.maxDialLevel); level >= frame.lowest; level -= frame.step)
        list.rows << levelRow(list, frame, level);
    list.rows << noiseFloorRow(block, noiseFloorMeasured, frequency);
    return list;
}

int linearityRowLevel(const ResultList& list, int row) {
    if (row < 0 || row >= list.rows.size() || list.rows[row].cells.isEmpty())
        return -1;
    const QString& first = list.rows[row].cells.first();
    if (first.contains(QLatin1String("NF")))
        return -1;
    bool ok = false;
    const int level = first.toInt(&ok);
    return ok && level >= 0 && level <= LinearityTopLevel ? level : -1;
}

int linearityLevelRow(const ResultList& list, int level) {
    for (int row = 0; row < list.rows.size(); ++row)
        if (linearityRowLevel(list, row) == level)
            return row;
    return -1;
}

} // namespace orvik
