// orvik-cli report, certificate, compare and export as processes, on a calibration and a booth measured by
// orvik-cli.
#include "RunCli.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace orvik {
namespace {

class PrintoutCommand : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir = new QTemporaryDir;
        db = dir->filePath(QStringLiteral("lab.mdb"));
        ASSERT_EQ(test::runCli({"db", "create", db}).exitCode, 0);
        ASSERT_EQ(test::runCli({"calibrate", "--db", db, "--tests", "hl,freq,thd,bonethd,bone,bsf", "--transducers",
                                "supra,bone,speaker", "--fault", "level:supra:left:4000=4.5"})
                      .exitCode,
                  0);
        ASSERT_EQ(test::runCli({"booth", "measure", "--db", db, "--name", "Room", "--simulate"}).exitCode, 0);
        lastYear = dir->filePath(QStringLiteral("last-year.mdb"));
        ASSERT_EQ(test::runCli({"db", "create", lastYear}).exitCode, 0);
        ASSERT_EQ(test::runCli({"calibrate", "--db", lastYear, "--tests", "hl", "--transducers", "supra"}).exitCode, 0);
    }
    static void TearDownTestSuite() { delete dir; }

    static QByteArray contentsOf(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static inline QTemporaryDir* dir = nullptr;
    static inline QString db;
    static inline QString lastYear;
};

TEST_F(PrintoutCommand, EveryPrintoutOfAStoredTestIsAWholePdf) {
    const QStringList printouts[] = {{"report", "--id", "1"},
                                     {"report", "--booth", "Room"},
                                     {"certificate", "--id", "1", "--no-border", "--no-date"},
                                     {"certificate", "--booth", "Room"},
                                     {"compare", "--id", "1", "--with", "1", "--with-db", lastYear},
                                     {"compare", "--booth", "Room", "--with-booth", "Room"}};
    for (const QStringList& printout : printouts) {
        const QString pdf = dir->filePath(printout.mid(0, 3).join(u'_') + QStringLiteral(".pdf"));
        const test::CliRun run = test::runCli(printout + QStringList{"--db", db, "--pdf", pdf});
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        const QByteArray bytes = contentsOf(pdf);
        EXPECT_TRUE(bytes.startsWith("%PDF") && bytes.trimmed().endsWith("%%EOF")) << printout.join(u' ').toStdString();
    }
}

TEST_F(PrintoutCommand, AMissingTestLeavesTheOutputAloneAndBadOptionsAreRefused) {
    const QString pdf = dir->filePath(QStringLiteral("kept.pdf"));
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("earlier");
    file.close();
    const test::CliRun missingId = test::runCli({"report", "--db", db, "--id", "99", "--pdf", pdf});
    EXPECT_EQ(missingId.exitCode, 1);
    EXPECT_TRUE(missingId.err.contains(QStringLiteral("Couldn't Find Audiometric Cal Measurements")))
        << missingId.err.toStdString();
    const test::CliRun missingBooth = test::runCli({"certificate", "--db", db, "--booth", "Attic", "--pdf", pdf});
    EXPECT_EQ(missingBooth.exitCode, 1);
    EXPECT_EQ(contentsOf(pdf), QByteArray("earlier"));

    const QStringList refused[] = {{"report", "--db", db, "--pdf", pdf},
                                   {"report", "--db", db, "--id", "1", "--booth", "Room", "--pdf", pdf},
                                   {"report", "--db", db, "--id", "1", "--pdf", pdf, "--no-border"},
                                   {"report", "--db", db, "--id", "1", "--pdf", pdf, "--tests", "nonsense"},
                                   {"certificate", "--db", db, "--id", "1", "--pdf", pdf, "--tests", "hl"},
                                   {"compare", "--db", db, "--id", "1", "--pdf", pdf},
                                   {"compare", "--db", db, "--id", "1", "--with-booth", "Room", "--pdf", pdf},
                                   {"export", "--db", db, "--id", "1", "--out", dir->filePath("x.xls")},
                                   {"export", "--db", db, "--id", "1", "--out", dir->filePath("x.csv"), "--tab"},
                                   {"export", "--db", db, "--id", "1", "--pdf", pdf},
                                   {"graph", "--points", db}};
    for (const QStringList& arguments : refused)
        EXPECT_EQ(test::runCli(arguments).exitCode, 2) << arguments.join(u' ').toStdString();
}

// The format follows the extension; the file's first line names the audiometer, or the lab for a booth.
TEST_F(PrintoutCommand, ExportWritesTheFormatOfTheExtension) {
    struct Case {
        QStringList arguments;
        const char* file;
        QByteArray start;
    };
    const Case cases[] = {{{"--id", "1"}, "a.csv", "Audiometer Calibration: "},
                          {{"--id", "1", "--tab"}, "a.txt", "Audiometer Calibration: "},
                          {{"--booth", "Room"}, "b.txt", "Measurement Date:,"},
                          {{"--id", "1"}, "a.xlsx", "PK"}};
    for (const Case& c : cases) {
        const QString out = dir->filePath(QLatin1String(c.file));
        const test::CliRun run = test::runCli(QStringList{"export", "--db", db, "--out", out} + c.arguments);
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        const QByteArray bytes = contentsOf(out);
        EXPECT_TRUE(bytes.contains(c.start)) << c.file;
        EXPECT_EQ(bytes.contains("Hearing Level Test\tChannel #: 1"), QLatin1String(c.file) == "a.txt") << c.file;
    }
}

// Every test the calibration ran has its section in the export, on every transducer it ran on.
TEST_F(PrintoutCommand, TheExportHoldsASectionForEachTestAndTransducerMeasured) {
    const QString out = dir->filePath(QStringLiteral("sections.csv"));
    ASSERT_EQ(test::runCli({"export", "--db", db, "--id", "1", "--out", out}).exitCode, 0);
    const QList<QByteArray> lines = contentsOf(out).split('\n');
    const struct {
        const char* line;
        int count;
    } expected[] = {{"-------,Hearing Level Test,Channel #: 1,-------\r", 3}, // supra-aural, bone, speakers
                    {"-------,Distortion Test,Channel #: 1,-------\r", 2},    // supra-aural, bone
                    {"(Hz),FL,Level,Deviation,FL\r", 1},
                    {"Binaural\r", 2},       // hearing level and narrow band
                    {"Left Earphone\r", 2}}; // hearing level, distortion; frequency has both ears on a line
    for (const auto& e : expected)
        EXPECT_EQ(lines.count(QByteArray(e.line)), e.count) << e.line;
}

// A spectrum file becomes a PNG; a line that is not two numbers writes nothing.
TEST_F(PrintoutCommand, GraphDrawsASpectrumFileAsAPng) {
    const struct {
        QByteArray points;
        int exitCode;
    } cases[] = {{"0,40\n5000\t52.5\n\n10000 38\n", 0}, {"0,40\n5000,loud\n", 1}};
    for (const auto& c : cases) {
        const QString points = dir->filePath(QStringLiteral("points.txt"));
        const QString png = dir->filePath(QStringLiteral("graph%1.png").arg(c.exitCode));
        QFile file(points);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(c.points);
        file.close();
        EXPECT_EQ(test::runCli({"graph", "--points", points, "--png", png}).exitCode, c.exitCode);
        EXPECT_EQ(contentsOf(png).startsWith("\x89PNG"), c.exitCode == 0);
    }
}

} // namespace
} // namespace orvik
