#include "measure/SpeechJudgement.h"

#include "measure/ListNumber.h"
#include "model/ReferenceLevel.h"
#include "model/ReferenceTables.h"

namespace orvik {

namespace {
constexpr FreqIndex At1000 = freqIndexOf(1000.0f);
constexpr double WhiteNoiseAboveDialDb = 13.0;
constexpr double ModeOneReferenceDb = 27.0;
constexpr double ModeTwoReferenceDb = 25.0;
constexpr PassBand StandardBand{-3.0, 3.0};
constexpr PassBand WideBand{-3.0, 5.0};
const QString Missing = QStringLiteral("----");

constexpr const char* Names[SpeechSourceCount] = {"Mic", "Tape/CD A", "Tape/CD B", "Speech Noise", "White Noise"};
constexpr const char* Keys[SpeechSourceCount] = {"mic", "tapea", "tapeb", "speechnoise", "white"};

ResultRow speechRow(ResultList& list, const TestSetup& setup, TransducerKind transducer, int source,
                    const SpeechSource& entry, AlternateModeKind mode) {
    ResultRow row;
    row.frequency = At1000;
    row.point = speechSourceKey(source);
    row.cells << speechSourceName(source);
    const SpeechReference reference = speechReference(setup, transducer, source, entry, mode, &list.missing);
    row.greyed = !reference.found;
    if (entry.level <= NotMeasuredLimit || !reference.found) {
        row.cells << (entry.level <= NotMeasuredLimit ? Missing : listNumber(entry.level)) << Missing << Missing
                  << Missing;
        return row;
    }
    const double target = reference.level + entry.dialHl;
    const double deviation = double(entry.level) - target;
    const bool passes = reference.band.contains(deviation);
    judgeRow(list, row, passes, listNumber(deviation));
    row.cells << listNumber(entry.level) << listNumber(double(entry.level) - reference.level)
              << markedIfFailing(listNumber(deviation), passes)
              << QString::asprintf("%.1f to %.1f", target + reference.band.low, target + reference.band.high);
    return row;
}
} // namespace

QString speechSourceName(int source) {
    return QLatin1String(Names[source]);
}

QString speechSourceKey(int source) {
    return QLatin1String(Keys[source]);
}

SpeechReference speechReference(const TestSetup& setup, TransducerKind transducer, int source,
                                const SpeechSource& entry, AlternateModeKind mode, MissingReferenceList* missing) {
    if (source == SpeechWhiteNoise)
        return {WhiteNoiseAboveDialDb, WideBand, true};
    if (mode == AlternateModeKind::One)
        return {ModeOneReferenceDb, WideBand, true};
    if (mode == AlternateModeKind::Two)
        return {ModeTwoReferenceDb, WideBand, true};
    ReferenceQuery query;
    query.transducer = int(transducer);
    query.frequency = At1000;
    query.test = ReferenceTestKind::Speech;
    query.angle = entry.angle;
    query.forehead = entry.placement == 1;
    const double level = getReferenceLevel(setup, query, missing);
    // The speech offset alone means the set-up has no reference at 1000 Hz.
    return {level, StandardBand, level > double(SpeechCorrection) + 0.00001};
}

ResultList buildSpeechList(const TestSetup& setup, TransducerKind transducer,
                           const SpeechSource (&sources)[SpeechSourceCount], AlternateModeKind mode) {
    ResultList list;
    const bool force = transducer == TransducerKind::BoneVibrator;
    list.columns = {"Source", force ? "Measured FL" : "Measured SPL", "Hearing Level", "Deviation",
                    force ? "Target FL" : "Target SPL"};
    for (int source = 0; source < SpeechSourceCount; ++source)
        list.rows << speechRow(list, setup, transducer, source, sources[source], mode);
    return list;
}

} // namespace orvik
