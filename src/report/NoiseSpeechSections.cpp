// The report and export sections of the broad band masking noise and speech pages. Both print the pages' own
// lists, so a value prints as the technician saw it, a failing one in bold instead of in parentheses.
#include "core/AlternateMode.h"
#include "measure/BroadBandMeasurement.h"
#include "measure/BroadBandSpectrum.h"
#include "measure/ListNumber.h"
#include "measure/SpeechJudgement.h"
#include "report/ReportSections.h"

#include <QCoreApplication>

namespace orvik {

namespace {
// The broad band list's cells with the two levels its other views show added: the rows are the sources.
enum {
    Source = 0,
    Target = 1,
    MaxDeviation = 2,
    MaxDeviationHz = 3,
    Failures = 4,
    Result = 5,
    Overall = 6,
    At1000 = 7
};

ResultList broadBandList(const BroadBandSource (&sources)[BroadBandSourceCount]) {
    ResultList list = buildBroadBandList(sources, BroadBandListView::Deviation);
    const ResultList overall = buildBroadBandList(sources, BroadBandListView::OverallSpl);
    const ResultList at1000 = buildBroadBandList(sources, BroadBandListView::SplAt1000);
    for (qsizetype r = 0; r < list.rows.size(); ++r) {
        ResultRow& row = list.rows[r];
        // Two tests are compared source by source, wherever each deviates most.
        row.point = row.cells.value(Source);
        row.cells << overall.rows[r].cells.value(1) << at1000.rows[r].cells.value(1);
    }
    return list;
}

// "Passed" or "Failed" as the report words it; the export has its own spelling.
QString resultWord(const ResultRow& row, const QString& passed) {
    switch (row.verdict) {
    case RowVerdict::Pass:
        return passed;
    case RowVerdict::Fail:
        return QStringLiteral("Failed");
    default:
        return row.cells.value(Result);
    }
}

SectionTables broadBandTables(const AudiometerRecord& record, TransducerKind transducer) {
    SectionTables section{QStringLiteral("Broad Band Noise Test"), {}};
    EarphoneKind earphone{};
    if (!earphoneKindOf(transducer, earphone))
        return section;
    const SectionColumns columns{
        {"Noise", "SPL at", "Overall", "# of", "Freq. at", "Max.", "1000 Hz", "Pass / "},
        {"Source", "1000 Hz", "SPL", "Failures", "Max Dev.", "Deviation", "Target Level", "Fail"},
        {Source, At1000, Overall, Failures, MaxDeviationHz, MaxDeviation, Target, Result},
        {3, 7}};
    for (int ear = 0; ear < EarCount; ++ear) {
        ResultList list = broadBandList(record.results.broadBand[int(earphone)][ear]);
        for (ResultRow& row : list.rows)
            row.cells[Result] = resultWord(row, QStringLiteral("Passed"));
        section.tables << SectionTable{sideHeading(transducer, ear), list, columns, {}};
    }
    return section;
}

QList<ReportLine> broadBandSection(const AudiometerRecord& record, TransducerKind transducer) {
    return sectionLines(record, transducer, broadBandTables(record, transducer));
}

// The export puts both ears side by side: first the judgement of each source, then its levels.
ExportLines broadBandExport(const AudiometerRecord& record, TransducerKind transducer) {
    EarphoneKind earphone{};
    if (!earphoneKindOf(transducer, earphone))
        return {};
    const ResultList left = broadBandList(record.results.broadBand[int(earphone)][0]);
    const ResultList right = broadBandList(record.results.broadBand[int(earphone)][1]);
    if (left.verdict == PageVerdict::NoneJudged && right.verdict == PageVerdict::NoneJudged)
        return {};
    ExportLines judged{
        {"", "", "Left", "", "", "Right", "", "", "", ""},
        {"Sound", "Pass /", " # of", "Freq. at", "Max", "Target", "Pass /", "# of", "Freq. at", "Max.", "Target"},
        {"Source", "Fail", "Failures", "Max Dev.", "Deviation", "Value", "Fail", "Failures", "Max. Dev.", "Deviation",
         "Value"}};
    ExportLines levels{{"", "Left", "", "Right", ""},
                       {"Sound", "SPL At", "Overall", "SPL At", "Overall"},
                       {"Source", "1000 Hz", "SPL", "1000 Hz", "SPL"}};
    const QString target = listNumber(BroadBandLimitDb);
    for (qsizetype r = 0; r < left.rows.size() && r < right.rows.size(); ++r) {
        ExportLine judgedRow{left.rows[r].cells.value(Source)};
        ExportLine levelRow{left.rows[r].cells.value(Source)};
        for (const ResultRow* row : {&left.rows[r], &right.rows[r]}) {
            judgedRow.cells << resultWord(*row, QStringLiteral("passed")) << row->cells.value(Failures)
                            << row->cells.value(MaxDeviationHz) << unmarked(row->cells.value(MaxDeviation)) << target;
            levelRow.cells << row->cells.value(At1000) << row->cells.value(Overall);
        }
        judged << judgedRow;
        levels << levelRow;
    }
    return exportSectionTitle(record, QStringLiteral("Broad Band Noise Test")) + judged + levels;
}

// The speech page judges by the alternate mode the program started in, which the file in its folder chooses.
ResultList speechList(const AudiometerRecord& record, TransducerKind transducer, int ear) {
    return buildSpeechList(record.setup, transducer, record.results.speech[int(transducer)][ear],
                           readAlternateModeKind(QCoreApplication::applicationDirPath()));
}

QString levelWord(TransducerKind transducer) {
    return transducer == TransducerKind::BoneVibrator ? QStringLiteral("FL") : QStringLiteral("SPL");
}

SectionTables speechTables(const AudiometerRecord& record, TransducerKind transducer) {
    const QString level = levelWord(transducer);
    const SectionColumns columns{{"Source", "Measured", "Hearing", "Target", "Deviation"},
                                 {"", level, "Level", level, ""},
                                 {0, 1, 2, 4, 3},
                                 {1, 4}};
    SectionTables section{QStringLiteral("Speech Levels Test"), {}};
    // The bone vibrator's page has one channel, kept in the left slot.
    const bool bone = transducer == TransducerKind::BoneVibrator;
    for (int ear = 0; ear < (bone ? 1 : EarCount); ++ear)
        section.tables << SectionTable{
            bone ? QString() : sideHeading(transducer, ear), speechList(record, transducer, ear), columns, {}};
    return section;
}

QList<ReportLine> speechSection(const AudiometerRecord& record, TransducerKind transducer) {
    return sectionLines(record, transducer, speechTables(record, transducer));
}

ExportLines speechExport(const AudiometerRecord& record, TransducerKind transducer) {
    const QString level = levelWord(transducer);
    return exportTables(record, speechTables(record, transducer), {"", "Measured", "Hearing", level, "Target"},
                        {"Source", level, "Level", "Deviation", level}, {0, 1, 2, 3, 4});
}

const ReportSectionRegistration registrations[] = {
    ReportSectionRegistration({TestNumber::BroadBandMasking, broadBandSection, broadBandTables, broadBandExport}),
    ReportSectionRegistration({TestNumber::Speech, speechSection, speechTables, speechExport}),
};
} // namespace

} // namespace orvik
