// The report and export sections of the tests measured on the hearing-level and frequency pages: hearing level,
// frequency accuracy, frequency modulation and narrow band level, with the bone vibrator's and the speakers'
// level pages. Their numbers and judgements are the pages' own lists, so a point prints exactly as the
// technician saw it, failing values in bold instead of in parentheses.
#include "measure/BoneLevelList.h"
#include "measure/ListNumber.h"
#include "measure/SoundFieldList.h"
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

// The bone page's list with the corrections shown, in the tone list's order: frequency, measured, hearing
// level, deviation, target. Its hearing level is the force level less the RETFL, both as the page shows them.
ResultList boneList(const AudiometerRecord& record) {
    const BoneLevelBlock& block = record.results.boneLevel;
    ResultList list = buildBoneLevelList({record.setup, block, block.dialHl, true});
    enum { Frequency = 0, Retfl = 2, ForceLevel = 3, Measured = 9, Target = 10, Deviation = 11 };
    for (ResultRow& row : list.rows) {
        bool measured = false, known = false;
        const double level = row.cells.value(ForceLevel).toDouble(&measured);
        const double reference = row.cells.value(Retfl).toDouble(&known);
        const QString hearingLevel = measured && known ? listNumber(level - reference) : row.cells.value(ForceLevel);
        row.cells = QStringList{row.cells.value(Frequency), row.cells.value(Measured), hearingLevel,
                                row.cells.value(Deviation), row.cells.value(Target)};
    }
    return list;
}

SectionTable soundFieldTable(const AudiometerRecord& record, ToneKind kind, int page) {
    const SoundFieldKind field = kind == ToneKind::NarrowBand ? SoundFieldKind::NarrowBand : SoundFieldKind::WarbleTone;
    const SoundFieldBlock& block = record.results.soundField[int(field)][page];
    return {sideHeading(TransducerKind::SoundField, page),
            buildSoundFieldList({record.setup, block, block.dialHl, field}),
            columnsFor(kind, TransducerKind::SoundField),
            {}};
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

// The bone vibrator's and the speakers' levels have pages of their own; the other tests run on earphones only.
template <ToneKind Kind> SectionTables tables(const AudiometerRecord& record, TransducerKind transducer) {
    SectionTables section{QLatin1String(headingOf(Kind)), {}};
    const bool levels = Kind == ToneKind::HearingLevel || Kind == ToneKind::NarrowBand;
    if (levels && transducer == TransducerKind::SoundField) {
        for (int page = 0; page < SoundFieldPageCount; ++page)
            section.tables << soundFieldTable(record, Kind, page);
        return section;
    }
    if (Kind == ToneKind::HearingLevel && transducer == TransducerKind::BoneVibrator) {
        section.tables << SectionTable{QString(), boneList(record), columnsFor(Kind, transducer), {}};
        return section;
    }
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
    return exportTables(record, tables<Kind>(record, transducer), columns.top, columns.bottom, columns.cellOf);
}

// The exported narrow band table is the one place whose deviation is in whole decibels ("%1.f"); the file's
// layout is fixed, so it stays that way although the page shows tenths.
template <> ExportLines exported<ToneKind::NarrowBand>(const AudiometerRecord& record, TransducerKind transducer) {
    constexpr int Deviation = 3;
    SectionTables section = tables<ToneKind::NarrowBand>(record, transducer);
    for (SectionTable& table : section.tables)
        for (ResultRow& row : table.list.rows) {
            bool measured = false;
            const double deviation = unmarked(row.cells.value(Deviation)).toDouble(&measured);
            if (measured)
                row.cells[Deviation] = QString::asprintf("%1.f", deviation);
        }
    const SectionColumns columns = exportColumnsFor(ToneKind::NarrowBand, transducer);
    return exportTables(record, section, columns.top, columns.bottom, columns.cellOf);
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
