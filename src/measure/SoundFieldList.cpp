#include "measure/SoundFieldList.h"

#include "measure/ListNumber.h"

namespace orvik {

namespace {
const QString Missing = QStringLiteral("----");
constexpr FreqIndex FirstWideBinauralIndex = 20;  // 4000 Hz
constexpr FreqIndex LastJudgedBinauralIndex = 36; // 18000 Hz

ResultRow soundFieldRow(const SoundFieldListInput& input, FreqIndex i, ResultList& list) {
    const SoundFieldBlock& block = input.block;
    const bool narrow = input.kind == SoundFieldKind::NarrowBand;
    const bool binaural = block.binaural != 0;
    ResultRow row;
    row.frequency = i;
    row.cells << listNumber(frequencyHz(i), 0);
    const float level = block.level[i];
    if (level <= NotMeasuredLimit) {
        row.cells << Missing << Missing << Missing << Missing;
        return row;
    }
    const std::optional<PassBand> band = soundFieldBand(i, input.kind, binaural);
    if (!band) {
        row.cells << listNumber(level) << Missing << Missing << Missing;
        return row;
    }
    ReferenceQuery query;
    query.transducer = int(TransducerKind::SoundField);
    query.frequency = i;
    query.test = narrow ? ReferenceTestKind::NarrowBand : ReferenceTestKind::Tone;
    query.angle = block.angle;
    query.binaural = binaural;
    const double reference = getReferenceLevel(input.setup, query, &list.missing);
    const int dial = block.dialHl[i];
    const double hearingLevel = level - reference;
    const double deviation = hearingLevel - dial;
    const double target = dial + reference;
    const bool passes = band->contains(deviation);
    judgeRow(list, row, passes, listNumber(deviation));
    row.cells << (narrow ? markedIfFailing(listNumber(level), passes) : listNumber(level)) << listNumber(hearingLevel)
              << listNumber(deviation)
              << QStringLiteral("%1 to %2").arg(listNumber(target + band->low), listNumber(target + band->high));
    return row;
}
} // namespace

std::optional<PassBand> soundFieldBand(FreqIndex index, SoundFieldKind kind, bool binaural) {
    if (kind == SoundFieldKind::NarrowBand)
        return narrowBandBand();
    if (!binaural)
        return hearingLevelBand(index);
    if (index > LastJudgedBinauralIndex)
        return std::nullopt;
    return index < FirstWideBinauralIndex ? PassBand{-3.0, 3.0} : PassBand{-5.0, 5.0};
}

ResultList buildSoundFieldList(const SoundFieldListInput& input) {
    ResultList list;
    list.columns = QStringList{"Frequency", "Measured SPL", "Hearing Level", "Deviation", "Target SPL"};
    for (FreqIndex i = 0; i < FrequencyCount; ++i)
        if (input.setup.frequencySelected[i])
            list.rows << soundFieldRow(input, i, list);
    return list;
}

} // namespace orvik
