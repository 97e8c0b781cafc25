// The report and export sections of the tests measured on the hearing-level and frequency pages: hearing level,
// frequency accuracy, frequency modulation and narrow band level. Their numbers and judgements are the pages' own
// lists, so a point prints exactly as the technician saw it, failing values in bold instead of in parentheses.
#include "measure/ToneList.h"
#include "report/ReportSections.h"

#include <cstring>

namespace orvik {

namespace {
SectionColumns columnsFor(ToneKind kind, TransducerKind transducer) {
    const QString level = transducer == TransducerKind::BoneVibrator ? QStringLiteral("FL") : QStringLiteral("SPL");
    switch (kind) {
    case ToneKind::Frequency:
        return {
            {"Freq", "Measured", "Target", "Deviation"}, {"(Hz)", "Frequency", "Frequency", ""}, {0, 1, 3, 2}, {1, 3}};
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

// The export keeps the list's own column order: level, hearing level, deviation, then the target range.
SectionColumns exportColumnsFor(ToneKind kind, TransducerKind transducer) {
    const QString level = transducer == TransducerKind::BoneVibrator ? QStringLiteral("FL") : QStringLiteral("SPL");
    if (kind == ToneKind::Fm)
        return {{"Dial", "Carrier", "Minimum", "Maximum", "Repetition", "Frequency"},
                {"Frequency", "Frequency", "Frequency", "Frequency", "Rate", "Deviation"},
                {0, 1, 3, 4, 5, 6},
                {}};
    return {{"Freq", "Measured", "Hearing", level, "Target"},
            {"(Hz)", level, "Level", "Deviation", level},
            {0, 1, 2, 3, 4},
            {}};
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

const char* headingOf(ToneKind kind) {
    switch (kind) {
    case ToneKind::HearingLevel:
        return "Hearing Level Test";
    case ToneKind::Frequency:
        return "Frequency Accuracy Test";
    case ToneKind::Fm:
        return "Frequency Modulation Test";
    default:
        return "Narrow Band Level Test";
    }
}

template <ToneKind Kind> SectionTables tables(const AudiometerRecord& record, TransducerKind transducer) {
    SectionTables section{QLatin1String(headingOf(Kind)), {}};
    for (int ear = 0; ear < EarCount; ++ear)
        section.tables << SectionTable{
            sideHeading(transducer, ear), listOf(record, transducer, ear, Kind), columnsFor(Kind, transducer), {}};
    return section;
}

template <ToneKind Kind> QList<ReportLine> lines(const AudiometerRecord& record, TransducerKind transducer) {
    return sectionLines(record, transducer, tables<Kind>(record, transducer));
}

template <ToneKind Kind> ExportLines exported(const AudiometerRecord& record, TransducerKind transducer) {
    const SectionColumns columns = exportColumnsFor(Kind, transducer);
    ExportLines body;
    for (const SectionTable& table : tables<Kind>(record, transducer).tables) {
        if (table.list.verdict == PageVerdict::NoneJudged)
            continue;
        body << ExportLine{table.side} << ExportLine{columns.top} << ExportLine{columns.bottom}
             << exportRows(table.list, columns.cellOf);
    }
    return body.isEmpty() ? body : exportSectionTitle(record, QLatin1String(headingOf(Kind))) + body;
}

// Frequency accuracy is exported with both ears side by side around the target range they share.
template <> ExportLines exported<ToneKind::Frequency>(const AudiometerRecord& record, TransducerKind transducer) {
    const ResultList left = listOf(record, transducer, 0, ToneKind::Frequency);
    const ResultList right = listOf(record, transducer, 1, ToneKind::Frequency);
    if (left.verdict == PageVerdict::NoneJudged && right.verdict == PageVerdict::NoneJudged)
        return {};
    ExportLines lines = exportSectionTitle(record, QLatin1String(headingOf(ToneKind::Frequency)));
    lines << ExportLine{"", "Left", "", "", "Right", ""}
          << ExportLine{"Freq", "Measured", "Frequency", "Target", "Measured", "Frequency"}
          << ExportLine{"Hz", "Frequency", "Deviation", "Frequency", "Frequency", "Deviation"};
    const ExportLines l = exportRows(left, {0, 1, 2, 3});
    const ExportLines r = exportRows(right, {1, 2});
    for (qsizetype i = 0; i < l.size() && i < r.size(); ++i)
        lines << ExportLine{l[i].cells + r[i].cells};
    return lines;
}

template <ToneKind Kind> ReportSection registered(TestNumber test) {
    return {test, lines<Kind>, tables<Kind>, exported<Kind>};
}

const ReportSectionRegistration registrations[] = {
    ReportSectionRegistration(registered<ToneKind::HearingLevel>(TestNumber::HearingLevel)),
    ReportSectionRegistration(registered<ToneKind::Frequency>(TestNumber::FrequencyAccuracy)),
    ReportSectionRegistration(registered<ToneKind::Fm>(TestNumber::FrequencyModulation)),
    ReportSectionRegistration(registered<ToneKind::NarrowBand>(TestNumber::NarrowBandLevel)),
};
} // namespace

} // namespace orvik
