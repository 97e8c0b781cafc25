// The export of a test: whole files against golden copies, the file-name rules, the messages of the dialog's OK,
// and the workbook read back from its sheet XML.
#include "report/AudiometerExport.h"
#include "report/BoothExport.h"
#include "report/DataExport.h"

#include "FixedRecords.h"
#include "ScriptedMessageBox.h"
#include "core/Settings.h"
#include "model/FrequencyTable.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>

namespace orvik {
namespace {

using test::fixedBooth;
using test::fixedRecord;

const ReportHeading Lab{"Quirn Acoustics", "12 Harbour Road", ""};

// Set ORVIK_UPDATE_GOLDEN=1 to rewrite a golden file after an intended change of the export.
void expectGolden(const QByteArray& bytes, const char* name) {
    QFile golden(QStringLiteral(ORVIK_TEST_DATA_DIR "/") + QLatin1String(name));
    if (qEnvironmentVariableIntValue("ORVIK_UPDATE_GOLDEN") == 1) {
        ASSERT_TRUE(golden.open(QIODevice::WriteOnly));
        golden.write(bytes);
        return;
    }
    ASSERT_TRUE(golden.open(QIODevice::ReadOnly)) << name;
    EXPECT_EQ(bytes.toStdString(), golden.readAll().toStdString()) << name;
}

TEST(Export, WholeFilesOfAFixedAudiometerAndBoothTest) {
    expectGolden(delimitedText(audiometerExport(*fixedRecord(), Lab), u','), "audiometer.csv");
    expectGolden(delimitedText(audiometerExport(*test::sectionsRecord(), Lab), u','), "audiometer-sections.csv");
    expectGolden(delimitedText(boothExport(fixedBooth(), Lab, BoothReportOptions{}), u'\t'), "booth-tab.txt");
}

TEST(Export, TheBoothViewsDisplayChoosesTheTables) {
    struct Case {
        BoothReportOptions options;
        bool ansi, osha, uncovered;
    };
    const Case cases[] = {{{0, true, true}, true, false, true},
                          {{1, true, true}, false, true, false},
                          {{2, true, false}, true, true, false}};
    for (const Case& c : cases) {
        const QByteArray text = delimitedText(boothExport(fixedBooth(), Lab, c.options), u',');
        EXPECT_EQ(text.contains("125 to 8000 Hz"), c.ansi) << c.options.displayMode;
        EXPECT_EQ(text.contains("Frequency,Measured,OSHA"), c.osha) << c.options.displayMode;
        EXPECT_EQ(text.contains("Uncovered"), c.uncovered) << c.options.displayMode;
    }
}

TEST(ExportFile, NamesGetTheFormatsExtensionAndTheDefaultFolder) {
    struct Case {
        const char* name;
        ExportFormat format;
        const char* folder;
        const char* path;
        bool renamed;
    };
    const Case cases[] = {{"march", ExportFormat::Csv, "/labs", "/labs/march.csv", false},
                          {"march", ExportFormat::Excel, "", "march.xlsx", false},
                          {"/tmp/out/march.txt", ExportFormat::Csv, "/labs", "/tmp/out/march.txt", false},
                          {"sub/march", ExportFormat::Text, "/labs", "sub/march.txt", false},
                          {"march.XLS", ExportFormat::Excel, "/labs", "/labs/march.XLSx", true},
                          {"march.xlsx", ExportFormat::Excel, "/labs", "/labs/march.xlsx", false}};
    for (const Case& c : cases) {
        const ExportFileName name = exportFileName(QLatin1String(c.name), c.format, QLatin1String(c.folder));
        EXPECT_EQ(name.path, QLatin1String(c.path)) << c.name;
        EXPECT_EQ(name.xlsRenamed, c.renamed) << c.name;
    }
}

TEST(ExportFile, CsvIsAlwaysCommaSeparatedAndTextTakesTheChosenDelimiter) {
    struct Case {
        ExportFormat format;
        bool tab;
        QChar delimiter;
    };
    const Case cases[] = {
        {ExportFormat::Csv, true, u','}, {ExportFormat::Text, true, u'\t'}, {ExportFormat::Text, false, u','}};
    for (const Case& c : cases)
        EXPECT_EQ((ExportChoice{"x", c.format, c.tab}.delimiter()), c.delimiter);
    const ExportLines lines{{"a", "b,c"}, {""}, ExportLine::forcedEmpty(), {"", ""}, {"q\"t"}};
    EXPECT_EQ(delimitedText(lines, u','), QByteArray("a,\"b,c\"\r\n\r\n,\r\n\"q\"\"t\"\r\n"));
    EXPECT_EQ(delimitedText(lines, u'\t'), QByteArray("a\tb,c\r\n\r\n\t\r\n\"q\"\"t\"\r\n"));
}

struct ExportRun {
    MemorySettingsStore settings;
    test::ScriptedMessageBox messages;
    QString run(const QString& name, ExportFormat format) {
        return exportTest({{{"one", "1"}}, QStringLiteral("Sheet")}, {name, format, false}, settings, messages);
    }
};

TEST(DataExport, OkSaysWhatIsWrongAndKeepsAnEarlierFile) {
    QTemporaryDir dir;
    ExportRun e;
    e.messages.acknowledgeAll();
    Setting::DefaultExportFolder.write(e.settings, dir.path());

    EXPECT_TRUE(e.run(QStringLiteral("  "), ExportFormat::Csv).isEmpty());
    EXPECT_EQ(e.messages.texts(), QStringList{"Please specify an output file."});

    e.messages.clear();
    EXPECT_EQ(e.run(QStringLiteral("bare"), ExportFormat::Csv), dir.filePath("bare.csv"));
    QFile written(dir.filePath("bare.csv"));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), QByteArray("one,1\r\n"));
    EXPECT_TRUE(e.messages.texts().isEmpty());

    const QString existing = dir.filePath("old.txt");
    QFile old(existing);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("earlier contents");
    old.close();
    EXPECT_EQ(e.run(existing, ExportFormat::Text), existing);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("one,1\r\n"));
    old.close();

    EXPECT_TRUE(e.run(dir.filePath("missing/folder/x.csv"), ExportFormat::Csv).isEmpty());
    EXPECT_EQ(e.messages.texts(), QStringList{"Unable to open output file."});

    e.messages.clear();
    EXPECT_EQ(e.run(QStringLiteral("legacy.xls"), ExportFormat::Excel), dir.filePath("legacy.xlsx"));
    ASSERT_EQ(e.messages.texts().size(), 1);
    EXPECT_TRUE(e.messages.texts().front().contains("legacy.xlsx"));
    EXPECT_FALSE(QFile::exists(dir.filePath("legacy.xls")));
}

// The cells of a workbook's first sheet by reference ("A1"), read from the unzipped XML; numbers keep their
// "n:" prefix, texts "s:".
QMap<QString, QString> sheetCells(const QString& path, QString* sheetName) {
    auto part = [&](const char* name) {
        QProcess unzip;
        unzip.start(QStringLiteral("unzip"), {"-p", path, QLatin1String(name)});
        unzip.waitForFinished();
        return unzip.readAllStandardOutput();
    };
    QStringList shared;
    for (QXmlStreamReader xml(part("xl/sharedStrings.xml")); !xml.atEnd();)
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("t"))
            shared << xml.readElementText();
    for (QXmlStreamReader xml(part("xl/workbook.xml")); !xml.atEnd();)
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("sheet"))
            *sheetName = xml.attributes().value(QLatin1String("name")).toString();
    QMap<QString, QString> cells;
    QString reference, type;
    for (QXmlStreamReader xml(part("xl/worksheets/sheet1.xml")); !xml.atEnd();) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("c")) {
            reference = xml.attributes().value(QLatin1String("r")).toString();
            type = xml.attributes().value(QLatin1String("t")).toString();
        } else if (xml.name() == QLatin1String("v")) {
            const QString value = xml.readElementText();
            cells[reference] = type == QLatin1String("s") ? "s:" + shared.value(value.toInt()) : "n:" + value;
        }
    }
    return cells;
}

TEST(DataExport, TheWorkbookHasTheSheetNameAndALineARowWithNumbersAsNumbers) {
    QTemporaryDir dir;
    const QString path = dir.filePath("audiometer.xlsx");
    ASSERT_TRUE(writeExport({audiometerExport(*fixedRecord(), Lab), QStringLiteral("Audiometer Report")}, path,
                            ExportFormat::Excel, u','));
    QString sheet;
    const QMap<QString, QString> cells = sheetCells(path, &sheet);
    EXPECT_EQ(sheet, QLatin1String("Audiometer Report"));
    EXPECT_EQ(cells.value("A1"), QLatin1String("s:Audiometer Calibration: Acme A-20 (S/N 007)"));
    EXPECT_EQ(cells.value("A2"), QLatin1String("s:Quirn Acoustics"));
    EXPECT_EQ(cells.value("A6"), QLatin1String("s:Calibration Date:")); // two kept empty lines, header 2 left out
    EXPECT_EQ(cells.value("C14"), QLatin1String("s:007"));              // a serial number stays text
    int row = 1;                                                        // the first hearing-level row
    while (row < 200 && cells.value(QStringLiteral("A%1").arg(row)) != QLatin1String("n:1000"))
        ++row;
    const QString cell[] = {"B", "D", "E"};
    EXPECT_EQ(cells.value(cell[0] + QString::number(row)), QLatin1String("n:80"));
    EXPECT_EQ(cells.value(cell[1] + QString::number(row)), QLatin1String("n:0"));
    EXPECT_EQ(cells.value(cell[2] + QString::number(row)), QLatin1String("s:77.0 to 83.0"));
}

} // namespace
} // namespace orvik
