// The report and export sections of the linearity and harmonic distortion pages. Both print the pages' own lists,
// so a value prints as the technician saw it, a failing one in bold instead of in parentheses.
#include "measure/DistortionList.h"
#include "measure/LinearityList.h"
#include "measure/LinearitySeries.h"
#include "measure/ListNumber.h"
#include "report/ReportSections.h"

namespace orvik {

namespace {
const QString Missing = QStringLiteral("----");

// The linearity list's cells.
enum { DialLevel = 0, DbHl = 1, HlVariance = 2, MeasuredSpl = 3, MeasuredStep = 4, StepVariance = 5, TargetStep = 6 };

constexpr int TestStepColumn = 28; // right of "Test frequency: 10000.0 Hz"

QString testFrequencyText(const LinearityBlock& block) {
    return QString::asprintf("Test frequency: %.1f Hz", double(block.testFrequency));
}

QString testStepText(const LinearityBlock& block) {
    return QString::asprintf("Test step: %d dB", dialStepOrDefault(block.dialStep));
}

// Below this the meter could not have read it: a noise floor the run never measured, or a reading of nothing.
bool noiseFloorTooLow(const LinearityBlock& block) {
    return block.noiseFloor <= NotMeasuredLimit;
}

// What stands in place of an ear's values when they cannot be shown; empty when they can.
QList<TestNote> missingValues(const LinearityBlock& block) {
    if (block.testFrequency == 0.0f)
        return {{QStringLiteral("Test Freq. is zero. No data."), QStringLiteral("%1: Test Freq. is zero. No data.")}};
    if (noiseFloorTooLow(block)) {
        const QString floor = QString::asprintf("%.2f", double(block.noiseFloor));
        return {{QStringLiteral("Noise Floor (%1) too low.").arg(floor),
                 QStringLiteral("Noise Floor %1(") + floor + QStringLiteral(") too low.")}};
    }
    return {};
}

SectionTable linearityTable(const AudiometerRecord& record, TransducerKind transducer, int ear) {
    const LinearityBlock& block = record.results.linearity[int(transducer)][ear];
    ResultList list = buildLinearityList(record.setup, transducer, block, block.noiseFloor != 0.0f);
    list.rows.removeLast(); // the noise-floor row: the section says it in a sentence of its own
    QList<TestNote> notes = missingValues(block);
    if (notes.isEmpty()) {
        const QString floor = QString::asprintf("%.1f", double(block.noiseFloor));
        notes << TestNote{QStringLiteral("NF = %1 dB").arg(floor), QStringLiteral("%1 NF = ") + floor + " dB"};
    } else {
        list.rows.clear();
    }
    const ReportLine settings = ReportLine{}.add(0, testFrequencyText(block)).add(TestStepColumn, testStepText(block));
    return {sideHeading(transducer, ear),
            list,
            {{"Dial", "Measured", "Step", "Target", "Variance"},
             {"HL", "SPL", "", "Level", ""},
             {DialLevel, MeasuredSpl, MeasuredStep, TargetStep, StepVariance},
             {1, 2}},
            {settings},
            notes};
}

SectionTables linearityTables(const AudiometerRecord& record, TransducerKind transducer) {
    SectionTables section{QStringLiteral("Linearity Test"), {}};
    for (int ear = 0; ear < EarCount; ++ear)
        section.tables << linearityTable(record, transducer, ear);
    return section;
}

QList<ReportLine> linearitySection(const AudiometerRecord& record, TransducerKind transducer) {
    return sectionLines(record, transducer, linearityTables(record, transducer));
}

// The export writes all seven cells of a list row, under the seven heads.
ExportLines linearityExport(const AudiometerRecord& record, TransducerKind transducer) {
    ExportLines body;
    for (int ear = 0; ear < EarCount; ++ear) {
        const SectionTable table = linearityTable(record, transducer, ear);
        if (table.list.verdict == PageVerdict::NoneJudged)
            continue;
        const LinearityBlock& block = record.results.linearity[int(transducer)][ear];
        if (block.testFrequency == 0.0f) {
            body << ExportLine{table.side} << ExportLine{table.notes.front().text};
            continue;
        }
        if (noiseFloorTooLow(block)) {
            body << ExportLine{table.side, QString::asprintf(" Noise Floor (%.2f) Too Low", double(block.noiseFloor))};
            continue;
        }
        body << ExportLine{table.side} << ExportLine{testFrequencyText(block), "", testStepText(block)}
             << ExportLine{"Dial", "dB", "HL", "Measured", "Measured", "Step", "Target"}
             << ExportLine{"Level", "HL", "Variance", "SPL", "Step", "Variance", "Step"}
             << exportRows(table.list,
                           {DialLevel, DbHl, HlVariance, MeasuredSpl, MeasuredStep, StepVariance, TargetStep})
             << ExportLine{table.notes.front().text};
    }
    return body.isEmpty() ? body : exportSectionTitle(record, QStringLiteral("Linearity Test")) + body;
}

// Nine columns fit between the margins only this close together.
constexpr int NarrowColumnStep = 12;

// The distortion list's cells; the bone vibrator's list adds its deviation, which the report does not print.
enum { Frequency = 0, Thd = 7, MaxThd = 8 };

const DistortionProfile& profileOf(TransducerKind transducer) {
    return transducer == TransducerKind::BoneVibrator ? boneDistortion() : earphoneDistortion();
}

SectionTables distortionTables(const AudiometerRecord& record, TransducerKind transducer) {
    const SectionColumns columns{
        {"Frequency", "Meas Freq.", "Fund.", "2nd Harm", "3rd Harm", "4th Harm", "5th Harm", "THD", "Max THD"},
        {"(Hz)", "(Hz)", "(dB)", "(dB)", "(dB)", "(dB)", "(dB)", "", ""},
        {0, 1, 2, 3, 4, 5, 6, Thd, MaxThd},
        {},
        NarrowColumnStep};
    SectionTables section{QStringLiteral("Distortion Test"), {}};
    // The bone vibrator's page has one channel, kept in the left slot.
    const bool bone = transducer == TransducerKind::BoneVibrator;
    for (int ear = 0; ear < (bone ? 1 : EarCount); ++ear)
        section.tables << SectionTable{
            bone ? QString() : sideHeading(transducer, ear),
            buildDistortionList(profileOf(transducer), record.setup, record.results.distortion[int(transducer)][ear]),
            columns,
            {}};
    return section;
}

QList<ReportLine> distortionSection(const AudiometerRecord& record, TransducerKind transducer) {
    return sectionLines(record, transducer, distortionTables(record, transducer));
}

// The export adds each row's THD less the largest allowed, as the bone page shows it, for every transducer, and
// writes the largest allowed as a number.
ExportLines distortionExport(const AudiometerRecord& record, TransducerKind transducer) {
    constexpr int Deviation = 9;
    SectionTables section = distortionTables(record, transducer);
    const double limit = profileOf(transducer).thdLimit;
    for (SectionTable& table : section.tables)
        for (ResultRow& row : table.list.rows) {
            bool measured = false;
            const double thd = unmarked(row.cells.value(Thd)).toDouble(&measured);
            row.cells = row.cells.mid(0, MaxThd) << listNumber(limit) << (measured ? listNumber(thd - limit) : Missing);
        }
    return exportTables(record, section,
                        {"Frequency", "Measured Frequency", "Fundamental", "2nd Harm", "3rd Harm", "4th Harm",
                         "5th Harm", "THD", "Deviation", "Max THD"},
                        {"(Hz)", "(Hz)", "(dB)", "(dB)", "(dB)", "(dB)", "(dB)", "(%)", " ", "(%)"},
                        {0, 1, 2, 3, 4, 5, 6, Thd, Deviation, MaxThd});
}

const ReportSectionRegistration registrations[] = {
    ReportSectionRegistration({TestNumber::Linearity, linearitySection, linearityTables, linearityExport}),
    ReportSectionRegistration({TestNumber::HarmonicDistortion, distortionSection, distortionTables, distortionExport}),
};
} // namespace

} // namespace orvik
