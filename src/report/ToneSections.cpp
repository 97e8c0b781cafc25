// The report sections of the tests measured on the hearing-level and frequency pages: hearing level, frequency
// accuracy, frequency modulation and narrow band level. Their numbers and judgements are the pages' own lists,
// so a point prints exactly as the technician saw it, failing values in bold instead of in parentheses.
#include "measure/ToneList.h"
#include "report/ReportSections.h"

#include <cstring>

namespace orvik {

namespace {
SectionColumns columnsFor(ToneKind kind, TransducerKind transducer) {
    const QString level = transducer == TransducerKind::BoneVibrator ? QStringLiteral("FL") : QStringLiteral("SPL");
    switch (kind) {
    case ToneKind::Frequency:
        return {{"Freq", "Measured", "Target", "Deviation"}, {"(Hz)", "Frequency", "Frequency", ""}, {0, 1, 3, 2},
                {1, 3}};
    case ToneKind::Fm:
        return {{"Dial", "Carrier", "Minimum", "Maximum", "Repetition", "Deviation"},
                {"", "Frequency", "Frequency", "Frequency", "Rate", ""},
                {0, 1, 3, 4, 5, 6},
                {}};
    default:
        return {{"Freq", "Measured", "Hearing", "Target", "Deviation"},
                {"(Hz)", level, "Level", level, ""},
                {0, 1, 2, 4, 3},
                {1, 4}};
    }
}

ResultList listOf(const AudiometerRecord& record, TransducerKind transducer, int ear, ToneKind kind) {
    const int t = int(transducer);
    ToneBlocks blocks{};
    std::memcpy(blocks.tone, record.results.tone[t][ear], sizeof blocks.tone);
    std::memcpy(blocks.fm, record.results.fm[t][ear], sizeof blocks.fm);
    std::memcpy(blocks.narrowBand, record.results.narrowBand[t][ear], sizeof blocks.narrowBand);
    qint16 dial[FrequencyCount];
    for (FreqIndex i = 0; i < FrequencyCount; ++i)
        dial[i] = kind == ToneKind::NarrowBand ? blocks.narrowBand[i].dialHl : blocks.tone[i].dialHl;
    return buildHLFreqList({record.setup, transducer, kind, false, blocks, dial});
}

QList<ReportLine> toneSection(const AudiometerRecord& record, TransducerKind transducer, ToneKind kind,
                              const QString& heading) {
    QList<ReportLine> lines;
    const SectionColumns columns = columnsFor(kind, transducer);
    for (int ear = 0; ear < EarCount; ++ear) {
        const ResultList list = listOf(record, transducer, ear, kind);
        if (list.verdict != PageVerdict::NoneJudged)
            lines << listTable(list, columns, sideHeading(transducer, ear));
    }
    if (lines.isEmpty())
        return lines;
    return sectionHeading(record, transducer, heading) + lines << ReportLine{};
}

template <ToneKind Kind> QList<ReportLine> section(const AudiometerRecord& record, TransducerKind transducer);

template <> QList<ReportLine> section<ToneKind::HearingLevel>(const AudiometerRecord& r, TransducerKind t) {
    return toneSection(r, t, ToneKind::HearingLevel, QStringLiteral("Hearing Level Test"));
}
template <> QList<ReportLine> section<ToneKind::Frequency>(const AudiometerRecord& r, TransducerKind t) {
    return toneSection(r, t, ToneKind::Frequency, QStringLiteral("Frequency Accuracy Test"));
}
template <> QList<ReportLine> section<ToneKind::Fm>(const AudiometerRecord& r, TransducerKind t) {
    return toneSection(r, t, ToneKind::Fm, QStringLiteral("Frequency Modulation Test"));
}
template <> QList<ReportLine> section<ToneKind::NarrowBand>(const AudiometerRecord& r, TransducerKind t) {
    return toneSection(r, t, ToneKind::NarrowBand, QStringLiteral("Narrow Band Level Test"));
}

const ReportSectionRegistration registrations[] = {
    ReportSectionRegistration({TestNumber::HearingLevel, section<ToneKind::HearingLevel>}),
    ReportSectionRegistration({TestNumber::FrequencyAccuracy, section<ToneKind::Frequency>}),
    ReportSectionRegistration({TestNumber::FrequencyModulation, section<ToneKind::Fm>}),
    ReportSectionRegistration({TestNumber::NarrowBandLevel, section<ToneKind::NarrowBand>}),
};
} // namespace

} // namespace orvik
