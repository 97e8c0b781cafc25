// The report and export sections of the pulsed-tone and cross-talk pages. Like the tone sections they print the
// pages' own lists, so a value prints as the technician saw it, a failing one in bold instead of in parentheses.
#include "measure/CrossTalkMeasurement.h"
#include "measure/PulseMeasurement.h"
#include "report/ReportSections.h"

namespace orvik {

namespace {
const QList<int> AllPulseCells{0, 1, 2, 3, 4, 5, 6};
const QList<int> AllCrossTalkCells{0, 1, 2, 3, 4, 5};
const QStringList CrossTalkHeads{"Test", "Tone On", "Tone Off", "Difference", "ANSI Limits", "Deviation"};

// The pulse page measures one earphone for both channels, and its prompt names the left ear.
SectionTables pulseTables(const AudiometerRecord& record, TransducerKind transducer) {
    const SectionColumns columns{{"Freq", "Rise Time", "Fall Time", " On Time", " Off Time", "Width", "On/Off"},
                                 {"(Hz)", "(ms)", "(ms)", "(ms)", "(ms)", "(ms)", "Ratio"},
                                 AllPulseCells,
                                 {}};
    return {QStringLiteral("Pulse Test"),
            {{sideHeading(transducer, 0),
              buildPulseList(record.setup, record.results.pulse[int(transducer)]),
              columns,
              {}}}};
}

SectionTables crossTalkTables(const AudiometerRecord& record, TransducerKind transducer) {
    const ResultList list = buildCrossTalkList(record.setup, transducer, record.results.crossTalk[int(transducer)]);
    const double testHz = list.rows.isEmpty() ? 0.0 : double(frequencyHz(list.rows.front().frequency));
    return {QStringLiteral("Cross Talk Test"),
            {{QString(),
              list,
              {CrossTalkHeads, {}, AllCrossTalkCells, {}},
              {ReportLine{}.add(0, QString::asprintf("Test frequency: %.0f Hz", testHz))}}}};
}

QList<ReportLine> pulseSection(const AudiometerRecord& record, TransducerKind transducer) {
    return sectionLines(record, transducer, pulseTables(record, transducer));
}

QList<ReportLine> crossTalkSection(const AudiometerRecord& record, TransducerKind transducer) {
    return sectionLines(record, transducer, crossTalkTables(record, transducer));
}

ExportLines pulseExport(const AudiometerRecord& record, TransducerKind transducer) {
    return exportTables(record, pulseTables(record, transducer),
                        {"Freq", "Rise Time", "Fall Time", "On Time", "Off Time", "Width", "On/Off"},
                        {"(Hz)", "(ms)", "(ms)", "(ms)", "(ms)", "(ms)", "Ratio"}, AllPulseCells);
}

ExportLines crossTalkExport(const AudiometerRecord& record, TransducerKind transducer) {
    const SectionTable table = crossTalkTables(record, transducer).tables.front();
    if (table.list.verdict == PageVerdict::NoneJudged)
        return {};
    return exportSectionTitle(record, QStringLiteral("Cross Talk Test"))
           << ExportLine{CrossTalkHeads} << exportRows(table.list, AllCrossTalkCells);
}

const ReportSectionRegistration registrations[] = {
    ReportSectionRegistration({TestNumber::Pulse, pulseSection, pulseTables, pulseExport}),
    ReportSectionRegistration({TestNumber::CrossTalk, crossTalkSection, crossTalkTables, crossTalkExport}),
};
} // namespace

} // namespace orvik
