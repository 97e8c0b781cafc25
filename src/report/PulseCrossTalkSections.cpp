// The report sections of the pulsed-tone and cross-talk pages. Like the tone sections they print the pages' own
// lists, so a value prints as the technician saw it, a failing one in bold instead of in parentheses.
#include "measure/CrossTalkMeasurement.h"
#include "measure/PulseMeasurement.h"
#include "report/ReportSections.h"

namespace orvik {

namespace {
// The pulse page measures one earphone for both channels, and its prompt names the left ear.
QList<ReportLine> pulseSection(const AudiometerRecord& record, TransducerKind transducer) {
    const ResultList list = buildPulseList(record.setup, record.results.pulse[int(transducer)]);
    if (list.verdict == PageVerdict::NoneJudged)
        return {};
    const SectionColumns columns{{"Freq", "Rise Time", "Fall Time", " On Time", " Off Time", "Width", "On/Off"},
                                 {"(Hz)", "(ms)", "(ms)", "(ms)", "(ms)", "(ms)", "Ratio"},
                                 {0, 1, 2, 3, 4, 5, 6},
                                 {}};
    return sectionHeading(record, transducer, QStringLiteral("Pulse Test")) +
               listTable(list, columns, sideHeading(transducer, 0))
           << ReportLine{};
}

QList<ReportLine> crossTalkSection(const AudiometerRecord& record, TransducerKind transducer) {
    const CrossTalkBlock& block = record.results.crossTalk[int(transducer)];
    const ResultList list = buildCrossTalkList(record.setup, transducer, block);
    if (list.verdict == PageVerdict::NoneJudged)
        return {};
    const SectionColumns columns{
        {"Test", "Tone On", "Tone Off", "Difference", "ANSI Limits", "Deviation"}, {}, {0, 1, 2, 3, 4, 5}, {}};
    const double testHz = list.rows.isEmpty() ? 0.0 : double(frequencyHz(list.rows.front().frequency));
    QList<ReportLine> lines = sectionHeading(record, transducer, QStringLiteral("Cross Talk Test"));
    lines << ReportLine{}.add(0, QString::asprintf("Test frequency: %.0f Hz", testHz));
    return lines + listTable(list, columns, QString()) << ReportLine{};
}

const ReportSectionRegistration registrations[] = {
    ReportSectionRegistration({TestNumber::Pulse, pulseSection}),
    ReportSectionRegistration({TestNumber::CrossTalk, crossTalkSection}),
};
} // namespace

} // namespace orvik
