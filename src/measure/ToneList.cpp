#include "measure/ToneList.h"

#include "model/AudiometerType.h"
#include "model/FixedText.h"

#include <algorithm>

namespace orvik {

namespace {
const QString Missing = QStringLiteral("----");

ResultRow levelRow(const ToneListInput& input, FreqIndex i, ResultList& list) {
    const bool narrow = input.kind == ToneKind::NarrowBand;
    ReferenceQuery query;
    query.transducer = int(input.transducer);
    query.frequency = i;
    query.test = narrow ? ReferenceTestKind::NarrowBand : ReferenceTestKind::Tone;
    const qsizetype missingBefore = list.missing.indices().size();
    const double reference = getReferenceLevel(input.setup, query, &list.missing);
    const float spl = narrow ? input.blocks.narrowBand[i].spl : input.blocks.tone[i].spl;
    const qint16 storedDial = narrow ? input.blocks.narrowBand[i].dialHl : input.blocks.tone[i].dialHl;
    const bool measured = spl > NotMeasuredLimit;
    // A measured point is judged against the dial it was measured at, an open one against the dial to come.
    const int dial = measured ? storedDial : input.dialLevels[i];
    const PassBand band = narrow ? narrowBandBand() : hearingLevelBand(i);
    const double target = dial + reference;

    ResultRow row;
    row.frequency = i;
    row.greyed = list.missing.indices().size() > missingBefore;
    row.cells << listNumber(frequencyHz(i), 0);
    if (measured) {
        const double hearingLevel = spl - reference;
        const double deviation = hearingLevel - dial;
        const bool passes = band.contains(deviation);
        judgeRow(list, row, passes, listNumber(deviation));
        row.cells << (narrow ? markedIfFailing(listNumber(spl), passes) : listNumber(spl)) << listNumber(hearingLevel)
                  << listNumber(deviation);
    } else {
        row.cells << Missing << Missing << Missing;
    }
    row.cells << (measured
                      ? QStringLiteral("%1 to %2").arg(listNumber(target + band.low), listNumber(target + band.high))
                      : Missing);
    if (input.showCorrections) {
        if (measured || !narrow)
            row.cells << listNumber(reference) << listNumber(band.low) << listNumber(band.high);
        else
            row.cells << Missing << Missing << Missing;
    }
    return row;
}

ResultRow frequencyRow(const ToneListInput& input, FreqIndex i, ResultList& list) {
    const double nominal = frequencyHz(i);
    const double tolerance = frequencyTolerance(audiometerType(fixedText(input.setup.audType)));
    const float measuredHz = input.blocks.tone[i].frequency;
    ResultRow row;
    row.frequency = i;
    row.cells << listNumber(nominal, 0);
    if (measuredHz > NotMeasuredLimit) {
        const bool passes = frequencyPasses(measuredHz, nominal, tolerance);
        judgeRow(list, row, passes, listNumber(measuredHz - nominal));
        row.cells << markedIfFailing(listNumber(measuredHz), passes) << listNumber(measuredHz - nominal);
    } else {
        row.cells << Missing << Missing;
    }
    row.cells << QStringLiteral("%1 to %2")
                     .arg(listNumber(nominal - tolerance * nominal), listNumber(nominal + tolerance * nominal));
    if (input.showCorrections)
        row.cells << listNumber(tolerance * 100.0) + QLatin1Char('%');
    return row;
}

ResultRow fmRow(const ToneListInput& input, FreqIndex i, ResultList& list) {
    const double nominal = frequencyHz(i);
    const FmEntry& entry = input.blocks.fm[i];
    ResultRow row;
    row.frequency = i;
    row.cells << listNumber(nominal, 0);
    const QString limits = QStringLiteral("%1 to %2").arg(listNumber(nominal * 0.97), listNumber(nominal * 1.03));
    if (entry.carrier > NotMeasuredLimit) {
        const FmJudgement j = judgeFm(entry, nominal, input.setup.fmRate, input.setup.fmDeviation);
        judgeRow(list, row, j.passes(), listNumber(j.deviationPercent));
        row.cells << markedIfFailing(listNumber(entry.carrier), j.carrierPasses) << limits << listNumber(entry.lowest)
                  << listNumber(entry.highest) << markedIfFailing(listNumber(entry.rate, 2), j.ratePasses)
                  << markedIfFailing(listNumber(j.deviationPercent) + QLatin1Char('%'), j.deviationPasses);
    } else {
        row.cells << Missing << limits << Missing << Missing << Missing << Missing;
    }
    return row;
}

QStringList columnsOf(ToneKind kind, bool showCorrections) {
    QStringList columns;
    switch (kind) {
    case ToneKind::Frequency:
        columns = {"Dial Frequency", "Measured Frequency", "Deviation", "Target Frequency"};
        if (showCorrections)
            columns << QStringLiteral("% Freq.");
        return columns;
    case ToneKind::Fm:
        return {"Dial Freq.", "Carrier Freq.", "ANSI Limits +/-3%", "Min", "Max", "Rep. rate", "Deviation"};
    default:
        columns = {"Frequency", "Measured SPL", "Hearing Level", "Deviation", "Target SPL"};
        if (showCorrections)
            columns << QStringLiteral("RETSPL") << QStringLiteral("HL Low") << QStringLiteral("HL High");
        return columns;
    }
}
} // namespace

FreqIndex lastListedIndex(ToneKind kind) {
    return kind == ToneKind::NarrowBand ? LastLowFrequency : FrequencyCount - 1;
}

ResultList buildHLFreqList(const ToneListInput& input) {
    ResultList list;
    const bool correctionsShown = input.showCorrections && input.kind != ToneKind::Fm;
    list.columns = columnsOf(input.kind, correctionsShown);
    ToneListInput shown = input;
    shown.showCorrections = correctionsShown;
    for (FreqIndex i = 0; i <= lastListedIndex(input.kind); ++i) {
        if (!input.setup.frequencySelected[i])
            continue;
        switch (input.kind) {
        case ToneKind::Frequency:
            list.rows << frequencyRow(shown, i, list);
            break;
        case ToneKind::Fm:
            list.rows << fmRow(shown, i, list);
            break;
        default:
            list.rows << levelRow(shown, i, list);
        }
    }
    return list;
}

QString missingReferenceWarning(const MissingReferenceList& missing) {
    return QStringLiteral("RETSPL not defined for ") + missing.labels().join(QStringLiteral(", ")) +
           QStringLiteral(" Hz, \nTest results at these frequencies will be incorrect.\n\nTo correct this, do one of "
                          "the following:\n   1. Enter a valid RETSPL for the above frequencies,\n   2. Unselect the "
                          "frequencies from the test configuration.");
}

} // namespace orvik
