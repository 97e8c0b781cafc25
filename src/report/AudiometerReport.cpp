#include "report/AudiometerReport.h"

#include "model/FixedText.h"
#include "report/InstrumentRows.h"
#include "report/ReportSections.h"

#include <QRegularExpression>

namespace orvik {

namespace {
constexpr int ValueColumn = 18;
constexpr int SecondLabelColumn = 44;
constexpr int SecondValueColumn = 60;
constexpr int EarphoneColumns[] = {18, 36, 54}; // supra-aural, insert, circumaural
constexpr int InstrumentColumns[] = {18, 38, 54, 70};
constexpr int SummaryNameWidth = 20;
constexpr int SummaryColumnWidth = 12;
constexpr int CheckMarkColumn = 32;

const char* const CheckItems[VisualCheckItems] = {
    "Left Earphone", "Right Earphone", "Left Earphone Cushion", "Right Earphone Cushion", "Left Earphone cord",
    "Right Earphone cord", "Headband", "Bone Conductor", "Bone Conductor cord", "Power cord", "Tone 'on' lamp",
    "Power 'on' lamp", "Attenuator", "Masking control", "Volume control", "Power Switch", "Fuse",
    "Tone interrupter", "Tone reverse switch", "Frequency selector switch", "Earphone selector switch",
    "Response cord", "Output selector switch", "Chan 1 input selector switch", "Chan 2 input selector switch",
    "Function selector switch", "Microphone", "Monitor phone/speaker", "Manual/pulse tone control", "VU meter"};

ReportLine labelled(const QString& label, const QString& value, bool boldLabel = true) {
    return ReportLine{}.add(0, label, boldLabel).add(ValueColumn, value);
}

// A label longer than its column ("Number of Channels:") pushes its value to one width after it.
int valueColumn(int labelColumn, const char* label, int column) {
    return labelColumn + int(qstrlen(label)) < column ? column : AfterPrevious;
}

ReportLine pair(const char* label, const QString& value, const char* label2, const QString& value2) {
    return ReportLine{}
        .add(2, QLatin1String(label))
        .add(valueColumn(2, label, ValueColumn), value)
        .add(SecondLabelColumn, QLatin1String(label2))
        .add(valueColumn(SecondLabelColumn, label2, SecondValueColumn), value2);
}

ReportLine threeColumns(const char* label, const QString (&values)[3]) {
    ReportLine line;
    line.add(2, QLatin1String(label));
    for (int c = 0; c < 3; ++c)
        line.add(EarphoneColumns[c], values[c]);
    return line;
}

QList<ReportLine> audiometerBlock(const TestSetup& s) {
    return {ReportLine{}.add(0, QStringLiteral("Audiometer"), true),
            pair("Manufacturer:", fixedText(s.audManufacturer), "Type:", fixedText(s.audType)),
            pair("Model Number:", fixedText(s.audModel), "Inventory #:", fixedText(s.inventoryNumber)),
            pair("Serial Number:", fixedText(s.audSerialNumber), "Channel Tested:", QString::number(s.channelToTest)),
            pair("Number of Channels:", QString::number(s.numberOfChannels), "", QString())};
}

QList<ReportLine> earphoneBlock(const TestSetup& s, bool retspl) {
    const EarphoneBlock* phones[] = {&s.supraAural, &s.insert, &s.circumaural};
    const char* const heads[] = {"Supra-aural", "Insert", "Circumaural"};
    ReportLine head;
    head.add(0, QStringLiteral("Earphones"), true);
    QString manufacturer[3], model[3], right[3], left[3];
    for (int c = 0; c < 3; ++c) {
        head.add(EarphoneColumns[c],
                 QLatin1String(heads[c]) + (earphoneMarked(*phones[c], retspl) ? QStringLiteral("*") : QString()),
                 true);
        manufacturer[c] = fixedText(phones[c]->manufacturer);
        model[c] = fixedText(phones[c]->model);
        right[c] = fixedText(phones[c]->rightSerial);
        left[c] = fixedText(phones[c]->leftSerial);
    }
    return {head, threeColumns("Manufacturer:", manufacturer), threeColumns("Model Number:", model),
            threeColumns("Right S/N:", right), threeColumns("Left  S/N:", left)};
}

QList<ReportLine> deviceBlocks(const TestSetup& s) {
    const DeviceDescription& bone = s.boneVibrator;
    const DeviceDescription* sp = s.speakers;
    auto row = [](const char* label, const QString& a, const QString& b) {
        return ReportLine{}.add(2, QLatin1String(label)).add(EarphoneColumns[0], a).add(EarphoneColumns[1], b);
    };
    return {ReportLine{}.add(0, QStringLiteral("Bone Vibrator"), true),
            row("Manufacturer:", fixedText(bone.manufacturer), QString()),
            row("Model Number:", fixedText(bone.model), QString()),
            row("Serial Number:", fixedText(bone.serialNumber), QString()),
            ReportLine{}
                .add(0, QStringLiteral("Speakers"), true)
                .add(EarphoneColumns[0], QStringLiteral("Left"), true)
                .add(EarphoneColumns[1], QStringLiteral("Right"), true),
            row("Manufacturer:", fixedText(sp[0].manufacturer), fixedText(sp[1].manufacturer)),
            row("Model Number:", fixedText(sp[0].model), fixedText(sp[1].model)),
            row("Serial Number:", fixedText(sp[0].serialNumber), fixedText(sp[1].serialNumber))};
}

QList<ReportLine> testInformation(const AudiometerRecord& record, bool retspl) {
    const TestSetup& s = record.setup;
    QList<ReportLine> lines{labelled(QStringLiteral("Calibration Date:"), fixedText(s.testDate)),
                            labelled(QStringLiteral("Technician:"), fixedText(s.technician))};
    lines << customerLines(s) << equipmentLines(s, retspl)
          << instrumentationLines(instrumentRows(s.instruments, MicLabels::Report), InstrumentColumns, 2)
          << retsplNote(s, retspl);
    return lines << ReportLine{};
}

} // namespace

QList<ReportLine> customerLines(const TestSetup& s) {
    return {labelled(QStringLiteral("Customer:"), fixedText(s.customerName)),
            labelled(QString(), fixedText(s.location1)), labelled(QString(), fixedText(s.location2)), ReportLine{}};
}

QList<ReportLine> equipmentLines(const TestSetup& s, bool retsplMessage) {
    return audiometerBlock(s) + QList<ReportLine>{ReportLine{}} + earphoneBlock(s, retsplMessage) +
           QList<ReportLine>{ReportLine{}} + deviceBlocks(s) + QList<ReportLine>{ReportLine{}};
}

QList<ReportLine> retsplNote(const TestSetup& s, bool retsplMessage) {
    if (!anyEarphoneMarked(s, retsplMessage))
        return {};
    return {ReportLine{}, ReportLine{}.add(0, QStringLiteral("* Includes non-standard RETSPL"))};
}

QString summaryHead(int line, int transducer) {
    static const char* const heads[2][TransducerCount] = {
        {"Supra-aural", "  Bone", "Speakers", "  Insert", "Circumaural"},
        {"Earphones", "Vibrator", "", "Earphones", " Earphones"}};
    return QLatin1String(heads[line][transducer]);
}

bool judgedStatus(qint16 status) {
    return status == qint16(TestStatus::Pass) || status == qint16(TestStatus::Fail);
}

namespace {
QString statusWord(qint16 status) {
    switch (TestStatus(status)) {
    case TestStatus::Pass:
        return QStringLiteral("Pass");
    case TestStatus::Fail:
        return QStringLiteral("FAIL");
    case TestStatus::NotApplicable:
        return QStringLiteral("NA");
    default:
        return QStringLiteral(" - ");
    }
}

QList<ReportLine> summary(const AudiometerRecord& record, const AudiometerReportOptions& options) {
    ReportLine head1, head2;
    head1.add(0, QStringLiteral("Test Name"), true);
    for (int t = 0; t < TransducerCount; ++t) {
        const int column = SummaryNameWidth + t * SummaryColumnWidth;
        head1.add(column, summaryHead(0, t), true);
        head2.add(column, summaryHead(1, t), true);
    }
    QList<ReportLine> lines{head1, head2};
    for (const ReportTest& test : reportTests()) {
        if (!options.tests.contains(test.test))
            continue;
        ReportLine row;
        row.add(0, QLatin1String(test.summaryName));
        for (int t = 0; t < TransducerCount; ++t) {
            const qint16 status = record.header.testStatus[int(test.test)][t];
            row.add(SummaryNameWidth + t * SummaryColumnWidth, statusWord(status), status == qint16(TestStatus::Fail));
        }
        lines << row;
    }
    return lines;
}

void addSections(ReportBuilder& report, const AudiometerRecord& record, const AudiometerReportOptions& options) {
    for (const ReportTest& test : reportTests()) {
        const ReportSection* section = findReportSection(test.test);
        if (!section || !options.tests.contains(test.test))
            continue;
        for (int t = 0; t < TransducerCount; ++t) {
            if (judgedStatus(record.header.testStatus[int(test.test)][t]))
                report.addKeptTogether(section->lines(record, TransducerKind(t)));
        }
    }
}

QList<ReportLine> checkList(const AudiometerRecord& record) {
    static const char* const Marks[] = {"P", "F", "NA"};
    QList<ReportLine> lines{ReportLine{}.add(0, QStringLiteral("Listening and Visual Check"), true), ReportLine{}};
    for (int i = 0; i < VisualCheckItems; ++i) {
        const qint32 mark = record.notes.visualCheck[i];
        lines << ReportLine{}.add(2, checkItemName(i)).add(CheckMarkColumn,
            mark >= 0 && mark < 3 ? QLatin1String(Marks[mark]) : QString(), mark == 1);
    }
    lines << ReportLine{} << ReportLine{}.add(0, QStringLiteral("Notes & Comments"), true);
    for (const QString& note : fixedText(record.notes.comments).split(QRegularExpression(QStringLiteral("\r?\n"))))
        lines << ReportLine{}.add(2, note);
    return lines << ReportLine{} << ReportLine{}.add(0, QStringLiteral("P- pass  F-fail  NA- Not Applicable"));
}
} // namespace

QString checkItemName(int item) {
    return QLatin1String(CheckItems[item]);
}

const QList<ReportTest>& reportTests() {
    static const QList<ReportTest> tests = {
        {TestNumber::HearingLevel, "Hearing Level", "Hearing level"},
        {TestNumber::FrequencyAccuracy, "Frequency", "Frequency accuracy"},
        {TestNumber::Linearity, "Linearity", "Hearing level linearity"},
        {TestNumber::HarmonicDistortion, "Harmonic Distortion", "Harmonic distortion"},
        {TestNumber::Pulse, "Pulse", "Pulsed tones"},
        {TestNumber::CrossTalk, "Cross Talk", "Cross talk"},
        {TestNumber::FrequencyModulation, "Frequency Modulation", "Frequency modulation"},
        {TestNumber::NarrowBandLevel, "Narrow Band Level", "Narrow band level"},
        {TestNumber::BroadBandMasking, "Broad Band Noise", "Broad band (white) noise"},
        {TestNumber::Speech, "Speech", "Speech hearing level"},
    };
    return tests;
}

AudiometerReportOptions AudiometerReportOptions::all() {
    AudiometerReportOptions options;
    for (const ReportTest& test : reportTests())
        options.tests << test.test;
    return options;
}

void buildAudiometerReport(ReportBuilder& report, const AudiometerRecord& record, const ReportHeading& heading,
                           const AudiometerReportOptions& options) {
    for (const ReportLine& line :
         companyLines(heading) + testInformation(record, options.retsplMessage) + summary(record, options))
        report.add(line);
    report.pageBreak();
    addSections(report, record, options);
    report.addKeptTogether(checkList(record));
}

PageHeader audiometerPageHeader(const AudiometerRecord& record) {
    const TestSetup& s = record.setup;
    return {QStringLiteral("Audiometer Calibration: %1 %2 (S/N %3)")
                .arg(fixedText(s.audManufacturer), fixedText(s.audModel), fixedText(s.audSerialNumber)),
            true};
}

int printAudiometerReport(PageCanvas& canvas, const AudiometerRecord& record, const ReportHeading& heading,
                          const AudiometerReportOptions& options) {
    canvas.setFonts(reportFonts());
    const PageMetrics metrics = reportMetrics(canvas);
    ReportBuilder report(reportLinesPerPage(metrics));
    buildAudiometerReport(report, record, heading, options);
    printReport(canvas, metrics, report, audiometerPageHeader(record));
    return report.pageCount();
}

} // namespace orvik
