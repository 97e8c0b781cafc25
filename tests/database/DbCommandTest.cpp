#include "RunCli.h"
#include "WriteFile.h"
#include "database/LabHistoryGenerator.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace orvik;
using orvik::test::CliRun;

namespace {

class DbCommand : public ::testing::Test {
protected:
    CliRun cli(const QStringList& arguments) {
        return test::runCli(QStringList{QStringLiteral("db")} + arguments, dir.path());
    }

    QString labFile(int version = 7) {
        const QString path = dir.filePath(QStringLiteral("Lab.mdb"));
        generator.writeDatabase(path, version, 12, 3, generator.instruments(2));
        return path;
    }

    QString writeText(const QString& name, const QByteArray& text) { return test::writeFile(dir.filePath(name), text); }

    QTemporaryDir dir;
    LabHistoryGenerator generator;
};

TEST_F(DbCommand, CreateAppendsTheExtensionAndRefusesAnExistingFile) {
    const QString created = dir.filePath(QStringLiteral("New.mdb"));
    CliRun run = cli({QStringLiteral("create"), QStringLiteral("New")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, created + u'\n');
    EXPECT_TRUE(QFile::exists(created));
    run = cli({QStringLiteral("create"), QStringLiteral("New.mdb")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("Couldn't open database %1 --Exception: ").arg(created)));
    run = cli({QStringLiteral("info"), QStringLiteral("New.mdb")});
    EXPECT_EQ(run.out, QStringLiteral("Schema: 7\nAudTestMeasurements: 0\nAmbientMeasurements: 0\nInstruments: 0\n"));
}

TEST_F(DbCommand, CreateRefusesAFullPathOver251Characters) {
    for (const int length : {252, 251}) {
        const QString name = QString(length - dir.path().size() - 1 - 4, u'a') + QStringLiteral(".mdb");
        const QString path = dir.filePath(name);
        ASSERT_EQ(path.size(), length);
        const CliRun run = cli({QStringLiteral("create"), name});
        EXPECT_EQ(run.exitCode, length > 251 ? 1 : 0) << length;
        EXPECT_EQ(run.err.contains(QStringLiteral("Database full path name too long")), length > 251) << length;
        EXPECT_EQ(QFile::exists(path), length <= 251) << length;
    }
}

TEST_F(DbCommand, ConvertBringsAnOldFileUpToDateAndKeepsTheOriginal) {
    const QString path = labFile(5);
    CliRun run = cli({QStringLiteral("convert"), path});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(QFile::exists(path + QStringLiteral("VERSION5")));
    EXPECT_TRUE(QFile::exists(path + QStringLiteral("VERSION6")));
    run = cli({QStringLiteral("info"), path});
    EXPECT_EQ(run.out, QStringLiteral("Schema: 7\nAudTestMeasurements: 12\nAmbientMeasurements: 3\nInstruments: 10\n"));
}

// What a command that only looks finds in each kind of file: an exit code and, on refusal, the reason.
struct LookedAtFile {
    const char* name;
    int exitCode;
    const char* message;
};

class ReadOnlyDbCommand : public DbCommand, public ::testing::WithParamInterface<LookedAtFile> {
protected:
    QString makeFile() {
        const QString path = dir.filePath(QStringLiteral("Looked.mdb"));
        const std::string kind = GetParam().name;
        if (kind == "Current") {
            generator.writeDatabase(path, 7, 12, 3, generator.instruments(2));
        } else if (kind == "Old") {
            generator.writeDatabase(path, 5, 12, 3, generator.instruments(2));
        } else if (kind == "Empty") {
            test::writeFile(path, QByteArray());
        } else {
            const QString connection = QStringLiteral("foreign");
            {
                QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
                db.setDatabaseName(path);
                EXPECT_TRUE(db.open());
                QSqlQuery(db).exec(QStringLiteral("CREATE TABLE Invoices (Id INTEGER, Amount REAL)"));
                QSqlQuery(db).exec(QStringLiteral("INSERT INTO Invoices VALUES (1, 12.5)"));
                db.close();
            }
            QSqlDatabase::removeDatabase(connection);
        }
        return path;
    }

    static QByteArray hashOf(const QString& path) {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
    }
};

TEST_P(ReadOnlyDbCommand, LeavesTheFileByteForByteAsItWas) {
    const QString path = makeFile();
    const QByteArray before = hashOf(path);
    const QStringList folderBefore = QDir(dir.path()).entryList(QDir::Files);
    for (const char* command : {"info", "tests", "booths", "instruments"}) {
        const CliRun run = cli({QString::fromLatin1(command), path});
        EXPECT_EQ(run.exitCode, GetParam().exitCode) << command << ": " << run.err.toStdString();
        if (GetParam().message) {
            EXPECT_TRUE(run.err.contains(QString::fromLatin1(GetParam().message).arg(path)))
                << command << ": " << run.err.toStdString();
        }
        EXPECT_EQ(hashOf(path), before) << command;
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), folderBefore) << command;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, ReadOnlyDbCommand,
    ::testing::Values(LookedAtFile{"Current", 0, nullptr},
                      LookedAtFile{"Old", 1, "Database %1 has version 5 and must be converted before it can be read."},
                      LookedAtFile{"Empty", 1, "%1 is not an Orvik database."},
                      LookedAtFile{"Foreign", 1, "%1 is not an Orvik database."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DbCommand, InfoOnAMissingFileFailsWithTheEngineText) {
    const CliRun run = cli({QStringLiteral("info"), QStringLiteral("missing.mdb")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("Could not find file")));
}

TEST_F(DbCommand, TestsPrintsTabSeparatedRowsOfTheSearch) {
    const QString path = labFile();
    const CliRun all = cli({QStringLiteral("tests"), path});
    EXPECT_EQ(all.out.count(u'\n'), 12);
    const CliRun one = cli({QStringLiteral("tests"), path, QStringLiteral("--technician"), QStringLiteral("P. O'Neill"),
                            QStringLiteral("--channel"), QStringLiteral("1")});
    const QStringList lines = one.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2); // every fifth test from the fourth: Ids 4 and 9
    EXPECT_EQ(lines[0].split(u'\t').size(), 6);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("4\tP. O'Neill\t")));
    EXPECT_TRUE(lines[0].split(u'\t')[5].contains(QStringLiteral(", 2015")));
}

TEST_F(DbCommand, TestsRefusesABadChannelOrDate) {
    const QString path = labFile();
    EXPECT_EQ(cli({QStringLiteral("tests"), path, QStringLiteral("--channel"), QStringLiteral("3")}).exitCode, 2);
    EXPECT_EQ(cli({QStringLiteral("tests"), path, QStringLiteral("--from"), QStringLiteral("soon")}).exitCode, 2);
}

TEST_F(DbCommand, BoothsAndInstruments) {
    const QString path = labFile();
    const CliRun booths =
        cli({QStringLiteral("booths"), path, QStringLiteral("--customer"), QStringLiteral("St. Mary's Hospital")});
    EXPECT_EQ(booths.out, QStringLiteral("2\tBT-00001\tSt. Mary's Hospital\tBooth B\tFeb. 02, 2015\n"));
    const QStringList instruments = cli({QStringLiteral("instruments"), path}).out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(instruments.size(), 10);
    EXPECT_EQ(instruments[0], QStringLiteral("slm\tK37\tK37-01\t2026-06-30"));
    EXPECT_EQ(instruments[9], QStringLiteral("preamp\tRKP512\tP701\t2026-06-30"));
}

TEST_F(DbCommand, ImportSetupAddsOrUpdatesTheMicrophone) {
    const QString path = labFile();
    const QString setup = writeText(QStringLiteral("mic.txt"), "MIC\tVQ\tRKM377\tM21\t47.25\t20271231\n31.5\t0.1\n"
                                                               "1000\t0\n8000\t-0.4\n");
    CliRun run = cli({QStringLiteral("import-setup"), path, QStringLiteral("--mic"), setup, QStringLiteral("--tab")});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QStringLiteral("There is already a microphone defined with serial number M21.")));
    const QStringList instruments = cli({QStringLiteral("instruments"), path}).out.split(u'\n', Qt::SkipEmptyParts);
    EXPECT_EQ(instruments.size(), 10);
    EXPECT_TRUE(instruments.contains(QStringLiteral("microphone\tRKM377\tM21\t2027-12-31")));
}

TEST_F(DbCommand, ImportSetupReportsTheFileErrorAndChangesNothing) {
    const QString path = labFile();
    const QString setup = writeText(QStringLiteral("mic.csv"), "MIC,VQ,RKM377,M99,47.25,20271231\n40,0.1\n8000,0\n");
    const CliRun run = cli({QStringLiteral("import-setup"), path, QStringLiteral("--mic"), setup});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err.trimmed(),
              QStringLiteral("The first frequency in the setup file is higher than the first possible "
                             "audiometer frequency (Line 2)."));
    EXPECT_EQ(cli({QStringLiteral("instruments"), path}).out.count(u'\n'), 10);
}

TEST_F(DbCommand, ImportSetupOfAMastoidTakesTheCouplerChoice) {
    const QString path = labFile();
    const QString setup = writeText(QStringLiteral("mastoid.csv"), "MASTOID,Veltan Quirn,rkb801,B7,1.1,20271231\n"
                                                                   "250,40.5\n8000,38\n");
    EXPECT_EQ(cli({QStringLiteral("import-setup"), path, QStringLiteral("--mastoid"), setup}).exitCode, 2);
    const CliRun run = cli({QStringLiteral("import-setup"), path, QStringLiteral("--mastoid"), setup,
                            QStringLiteral("--coupler"), QStringLiteral("3")});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("RKB801 SN-B7\n"));
}

} // namespace
