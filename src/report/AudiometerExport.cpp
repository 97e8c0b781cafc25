#include "report/AudiometerExport.h"

#include "model/FixedText.h"
#include "report/AudiometerReport.h"
#include "report/InstrumentRows.h"
#include "report/ReportSections.h"

#include <QRegularExpression>

namespace orvik {

namespace {
const char* const CheckMarks[] = {"P", "F", "NA"};

ExportLines testInformation(const TestSetup& s) {
    return {{"Calibration Date:", fixedText(s.testDate)},
            {"Technician:", fixedText(s.technician)},
            {"Customer:", fixedText(s.customerName)},
            {"", fixedText(s.location1)},
            {"", fixedText(s.location2)},
            {"Audiometer"},
            {"", "Manufacturer:", fixedText(s.audManufacturer)},
            {"", "Model Number:", fixedText(s.audModel), "Type:", fixedText(s.audType)},
            {"", "Serial Number:", fixedText(s.audSerialNumber), "Inventory #:", fixedText(s.inventoryNumber)},
            {QStringLiteral("Number of Channels: %1").arg(s.numberOfChannels)}};
}

ExportLines earphones(const TestSetup& s) {
    const EarphoneBlock* phones[] = {&s.supraAural, &s.insert, &s.circumaural};
    auto row = [&](const char* label, auto field) {
        ExportLine line{"", QLatin1String(label)};
        for (const EarphoneBlock* phone : phones)
            line.cells << fixedText(phone->*field);
        return line;
    };
    return {{"Earphones", "", "Supra-aural", "Insert", "Circumaural"},
            row("Manufacturer:", &EarphoneBlock::manufacturer),
            row("Model Number:", &EarphoneBlock::model),
            row("Right S/N:", &EarphoneBlock::rightSerial),
            row("Left S/N:", &EarphoneBlock::leftSerial)};
}

ExportLines boneAndSpeakers(const TestSetup& s) {
    const DeviceDescription& bone = s.boneVibrator;
    const DeviceDescription* sp = s.speakers;
    return {{"Bone Vibrator"},
            {"", "Manufacturer:", fixedText(bone.manufacturer)},
            {"", "Model Number:", fixedText(bone.model)},
            {"", "Serial Number:", fixedText(bone.serialNumber)},
            {"", "", "Left", "Right"},
            {"", "Manufacturer:", fixedText(sp[0].manufacturer), fixedText(sp[1].manufacturer)},
            {"", "Model Number:", fixedText(sp[0].model), fixedText(sp[1].model)},
            {"", "Serial Number:", fixedText(sp[0].serialNumber), fixedText(sp[1].serialNumber)}};
}

QString statusWord(qint16 status) {
    switch (TestStatus(status)) {
    case TestStatus::Pass:
        return QStringLiteral("Pass");
    case TestStatus::Fail:
        return QStringLiteral("FAIL");
    case TestStatus::NotJudged:
        return QStringLiteral("-");
    default:
        return QStringLiteral("n/a");
    }
}

ExportLines summary(const AudiometerRecord& record) {
    ExportLines lines{{"Test Name", "Earphones", "Vibrator", "Speakers", "Earphones", "Earphones"},
                      {"", "Supra-aural", "Bone", "", "Insert", "Circumaural"}};
    for (const ReportTest& test : reportTests()) {
        ExportLine line{QLatin1String(test.summaryName)};
        for (int t = 0; t < TransducerCount; ++t)
            line.cells << statusWord(record.header.testStatus[int(test.test)][t]);
        lines << line;
    }
    return lines;
}

ExportLines sections(const AudiometerRecord& record) {
    ExportLines lines;
    for (const ReportTest& test : reportTests()) {
        const ReportSection* section = findReportSection(test.test);
        if (!section || !section->exportLines)
            continue;
        for (int t = 0; t < TransducerCount; ++t) {
            const qint16 status = record.header.testStatus[int(test.test)][t];
            if (status == qint16(TestStatus::Pass) || status == qint16(TestStatus::Fail))
                lines << section->exportLines(record, TransducerKind(t));
        }
    }
    return lines;
}

// Each mark gets a column of its own, so a spreadsheet can count the failures of a column.
ExportLines checkList(const AudiometerRecord& record) {
    ExportLines lines;
    for (int i = 0; i < VisualCheckItems; ++i) {
        ExportLine line{checkItemName(i), "", "", ""};
        const qint32 mark = record.notes.visualCheck[i];
        if (mark >= 0 && mark < 3)
            line.cells[mark + 1] = QLatin1String(CheckMarks[mark]);
        lines << line;
    }
    lines << ExportLine{"P- pass  F-fail  NA- Not Applicable"} << ExportLine{"-------", "Notes & Comments", "-------"};
    for (const QString& note : fixedText(record.notes.comments).split(QRegularExpression(QStringLiteral("\r?\n"))))
        lines << ExportLine{note};
    return lines;
}

ExportLines instruments(const TestSetup& s) {
    ExportLines lines{{"Instrumentation", "Manufacturer", "Model", "Serial Number", "Cal Due"}};
    for (const InstrumentRow& row : instrumentRows(s.instruments, MicLabels::Report))
        lines << instrumentExportLine(row);
    return lines;
}
} // namespace

ExportLines exportedCompanyLines(const ReportHeading& heading) {
    return {{heading.companyName},
            {heading.header1},
            {heading.header2},
            ExportLine::forcedEmpty(),
            ExportLine::forcedEmpty()};
}

ExportLines audiometerExport(const AudiometerRecord& record, const ReportHeading& heading) {
    const TestSetup& s = record.setup;
    ExportLines lines{ExportLine{audiometerPageHeader(record).left}};
    return lines + exportedCompanyLines(heading) + testInformation(s) + earphones(s) + boneAndSpeakers(s) +
           instruments(s) + summary(record) + sections(record) + checkList(record);
}

} // namespace orvik
