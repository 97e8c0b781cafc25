#include "TestServices.h"
#include "database/Document.h"
#include "database/TableCursor.h"
#include "database/DatabaseConversion.h"
#include "database/EngineDate.h"
#include "database/LabHistoryGenerator.h"

#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <cstring>
#include <unistd.h>
#include <gtest/gtest.h>

using namespace orvik;
using namespace orvik::test;

namespace {

constexpr int AudiometerRows = 6;
constexpr int BoothRows = 4;
const QString ConvertedQuestion =
    QStringLiteral("Database was converted to newest version.\nSave old database with name ");

class Conversion : public ::testing::TestWithParam<int> {
protected:
    Conversion() : doc(services.services(), dir.path()) {}

    QString path() const { return dir.filePath(QStringLiteral("OrvikDB.mdb")); }
    int version() const { return GetParam(); }
    InstrumentLists lists() const { return generator.instruments(3, version() >= 2); }

    void writeOldFile() { generator.writeDatabase(path(), version(), AudiometerRows, BoothRows, lists()); }

    bool openAndConvert() { return doc.openDatabase(path(), false) && doc.checkDatabaseVersion() == 0; }

    QTemporaryDir dir;
    TestServices services;
    Document doc;
    LabHistoryGenerator generator{42};
};

TEST_P(Conversion, EveryRowAndRecordFieldSurvives) {
    writeOldFile();
    services.messages.answer(ConvertedQuestion, MessageAnswer::Yes);
    ASSERT_TRUE(openAndConvert());
    EXPECT_EQ(services.messages.count(ConvertedQuestion), 7 - version());
    EXPECT_EQ(doc.database().readSchemaVersion(), 7);

    for (int i = 0; i < AudiometerRows; ++i) {
        ASSERT_TRUE(doc.loadRecord(i + 1));
        const AudiometerRecord expected = generator.audiometerRecord(i);
        if (version() < 3) // notes came with version 3
            EXPECT_EQ(std::memcmp(&doc.record(), &expected, offsetof(AudiometerRecord, notes)), 0) << i;
        else
            EXPECT_EQ(std::memcmp(&doc.record(), &expected, sizeof expected), 0) << i;
    }
    QSqlQuery q(doc.database().connection());
    ASSERT_TRUE(q.exec(QStringLiteral("SELECT Technician, Date, ModelNum, SerialNum, ChannelNum FROM "
                                      "AudTestMeasurements ORDER BY Id")));
    for (int i = 0; q.next(); ++i) {
        const TestSetup s = generator.audiometerRecord(i).setup;
        EXPECT_EQ(q.value(0).toString(), fixedText(s.technician));
        EXPECT_EQ(q.value(1).toDouble(), engineDate(*parseRecordDate(fixedText(s.testDate)))); // date part only
        EXPECT_EQ(q.value(2).toString(), fixedText(s.audModel));
        EXPECT_EQ(q.value(3).toString(), fixedText(s.audSerialNumber));
        EXPECT_EQ(q.value(4).toInt(), s.channelToTest);
    }

    for (int i = 0; i < BoothRows; ++i) {
        ASSERT_TRUE(doc.loadAmbientRecord(i + 1));
        const AmbientRecord expected = generator.ambientRecord(i);
        EXPECT_EQ(std::memcmp(&doc.ambientRecord(), &expected, sizeof expected), 0) << i;
    }

    ASSERT_TRUE(doc.readEquipmentLists());
    EXPECT_EQ(doc.instruments().toBlock(), lists().toBlock());
}

TEST_P(Conversion, KeepsEachOldFileUnderItsVersionNameWhenAskedTo) {
    writeOldFile();
    services.messages.answer(ConvertedQuestion, MessageAnswer::Yes);
    ASSERT_TRUE(openAndConvert());
    for (int v = version(); v < 7; ++v) {
        Database kept;
        kept.open(path() + QStringLiteral("VERSION%1").arg(v));
        EXPECT_EQ(kept.readSchemaVersion(), v);
    }
    EXPECT_FALSE(QFile::exists(dir.filePath(DatabaseConversion::ConversionFileName)));
}

TEST_P(Conversion, DeletesTheOldFilesWhenAnsweredNo) {
    writeOldFile();
    services.messages.answer(ConvertedQuestion, MessageAnswer::No);
    ASSERT_TRUE(openAndConvert());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("OrvikDB.mdb")});
}

INSTANTIATE_TEST_SUITE_P(FromVersion, Conversion, ::testing::Range(1, 7));

// Damaged rows are carried over untouched and named; the other rows convert and load.
struct Damage {
    const char* name;
    const char* block; // SQL for the new Data of audiometer row 2 and booth row 1
};

void PrintTo(const Damage& value, std::ostream* out) {
    *out << value.name;
}

class DamagedRows : public ::testing::TestWithParam<Damage> {};

TEST_P(DamagedRows, AreKeptAndReportedWhileTheOthersConvert) {
    QTemporaryDir dir;
    TestServices services;
    Document doc(services.services(), dir.path());
    const QString path = dir.filePath(QStringLiteral("OrvikDB.mdb"));
    LabHistoryGenerator generator;
    generator.writeDatabase(path, 4, 3, 2, generator.instruments(1));
    const auto blockOf = [](Database& db, const QString& table, int id) {
        QSqlQuery q(db.connection());
        q.exec(QStringLiteral("SELECT Data FROM %1 WHERE Id = %2").arg(table).arg(id));
        return q.next() ? q.value(0).toByteArray() : QByteArray("no row");
    };
    QByteArray damagedTest;
    QByteArray damagedBooth;
    {
        Database db;
        db.open(path);
        db.exec(QStringLiteral("UPDATE AudTestMeasurements SET Data = %1 WHERE Id = 2").arg(GetParam().block));
        db.exec(QStringLiteral("UPDATE AmbientMeasurements SET Data = %1 WHERE Id = 1").arg(GetParam().block));
        damagedTest = blockOf(db, Table::AudTestMeasurements, 2);
        damagedBooth = blockOf(db, Table::AmbientMeasurements, 1);
    }
    services.messages.answer(ConvertedQuestion, MessageAnswer::No);
    services.messages.answer(QStringLiteral("Could not convert the Audiometric Cal measurements with index 2: their "
                                            "data is damaged.\nThey were kept unchanged"),
                             MessageAnswer::Ok, 1);
    services.messages.answer(QStringLiteral("Could not convert the Ambient measurements with index 1:"),
                             MessageAnswer::Ok, 1);
    ASSERT_TRUE(doc.openDatabase(path, false));
    ASSERT_EQ(doc.checkDatabaseVersion(), 0);

    for (int id : {1, 3}) {
        ASSERT_TRUE(doc.loadRecord(id));
        EXPECT_EQ(fixedText(doc.record().setup.audSerialNumber),
                  fixedText(generator.audiometerRecord(id - 1).setup.audSerialNumber));
    }
    ASSERT_TRUE(doc.loadAmbientRecord(2));
    services.messages.answer(QStringLiteral("blobFile from database"), MessageAnswer::Ok, 2);
    EXPECT_FALSE(doc.loadRecord(2));
    EXPECT_FALSE(doc.loadAmbientRecord(1));
    EXPECT_EQ(blockOf(doc.database(), Table::AudTestMeasurements, 2), damagedTest);
    EXPECT_EQ(blockOf(doc.database(), Table::AmbientMeasurements, 1), damagedBooth);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("OrvikDB.mdb")});
}

INSTANTIATE_TEST_SUITE_P(Blocks, DamagedRows,
                         ::testing::Values(Damage{"Missing", "NULL"}, Damage{"Zeros", "zeroblob(100)"},
                                           Damage{"Truncated", "substr(Data, 1, length(Data) - 1)"}),
                         [](const auto& info) { return std::string(info.param.name); });

// What an earlier conversion or an interrupted one left in the folder never stops the next one, and nothing of
// it but the technician's kept files remains.
struct Leftover {
    const char* name;
    void (*make)(const QString& path, const QString& conversionPath);
    QStringList files; // the folder afterwards, the keep-old question answered Yes
};

void PrintTo(const Leftover& value, std::ostream* out) {
    *out << value.name;
}

class ConversionLeftover : public ::testing::TestWithParam<Leftover> {};

TEST_P(ConversionLeftover, IsFinishedOrRolledBack) {
    QTemporaryDir dir;
    TestServices services;
    Document doc(services.services(), dir.path());
    const QString path = dir.filePath(QStringLiteral("OrvikDB.mdb"));
    LabHistoryGenerator generator;
    generator.writeDatabase(path, 6, 2, 1, generator.instruments(1));
    GetParam().make(path, dir.filePath(DatabaseConversion::ConversionFileName));
    services.messages.answer(ConvertedQuestion, MessageAnswer::Yes);
    ASSERT_TRUE(doc.openDatabase(path, true));
    ASSERT_EQ(doc.checkDatabaseVersion(), 0);
    EXPECT_EQ(services.messages.count(QStringLiteral("Unable")), 0);
    ASSERT_TRUE(doc.loadRecord(2));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), GetParam().files);
}

INSTANTIATE_TEST_SUITE_P(
    Folders, ConversionLeftover,
    ::testing::Values(
        Leftover{"EarlierKeptFile",
                 [](const QString& path, const QString&) {
                     QFile::copy(path, path + QStringLiteral("VERSION6"));
                 },
                 {QStringLiteral("OrvikDB.mdb"), QStringLiteral("OrvikDB.mdbVERSION6"),
                  QStringLiteral("OrvikDB.mdbVERSION6-2")}},
        Leftover{"KilledBeforeTheSwap",
                 [](const QString& path, const QString& conversionPath) {
                     ::link(QFile::encodeName(path).constData(), QFile::encodeName(path + "VERSION6").constData());
                     QFile::copy(path, conversionPath);
                 },
                 {QStringLiteral("OrvikDB.mdb"), QStringLiteral("OrvikDB.mdbVERSION6")}},
        Leftover{"OldReleaseKilledBetweenTheRenames",
                 [](const QString& path, const QString& conversionPath) {
                     QFile::rename(path, path + QStringLiteral("VERSION6"));
                     LabHistoryGenerator generator;
                     generator.writeDatabase(conversionPath, 7, 2, 1, generator.instruments(1));
                 },
                 {QStringLiteral("OrvikDB.mdb"), QStringLiteral("OrvikDB.mdbVERSION6")}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ConversionFailure, StaleConversionFileIsReplaced) {
    QTemporaryDir dir;
    TestServices services;
    Document doc(services.services(), dir.path());
    QFile stale(dir.filePath(DatabaseConversion::ConversionFileName));
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write("left over from an interrupted conversion");
    stale.close();
    LabHistoryGenerator generator;
    generator.writeDatabase(dir.filePath(QStringLiteral("OrvikDB.mdb")), 6, 1, 1, generator.instruments(1));
    services.messages.answer(ConvertedQuestion, MessageAnswer::No);
    ASSERT_TRUE(doc.openDatabase(dir.filePath(QStringLiteral("OrvikDB.mdb")), false));
    EXPECT_EQ(doc.checkDatabaseVersion(), 0);
    EXPECT_EQ(services.progress.captions, QStringList{QStringLiteral("Converting database to newer data structures")});
}

} // namespace

namespace {

// Old files whose pages a disk damaged (found by fuzzing): reading their rows fails in the engine. The conversion
// must say so and leave the file as it was, never end the program with the engine's error.
TEST(DamagedPages, FailTheConversionWithAMessage) {
    for (const char* name : {"damaged-pages-equipment-v1.mdb", "damaged-pages-audiometer-v4.mdb"}) {
        SCOPED_TRACE(name);
        QTemporaryDir dir;
        TestServices services;
        services.messages.stopEveryQuestion();
        const QString path = dir.filePath(QStringLiteral("OrvikDB.mdb"));
        ASSERT_TRUE(QFile::copy(QStringLiteral(ORVIK_TEST_DATA_DIR "/") + QLatin1String(name), path));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        const QByteArray before = [&path] {
            QFile file(path);
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        }();
        Document doc(services.services(), dir.path());
        int status = 0;
        EXPECT_NO_THROW(status = doc.openDatabase(path, false) ? doc.checkDatabaseVersion() : -1);
        EXPECT_NE(status, 0);
        EXPECT_GT(services.messages.count(QStringLiteral("malformed")), 0) << services.messages.texts().join('\n').toStdString();
        doc.closeDatabase();
        QFile after(path);
        ASSERT_TRUE(after.open(QIODevice::ReadOnly));
        EXPECT_EQ(after.readAll(), before) << "the damaged file stays as it was for a repair";
    }
}

} // namespace
