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

TEST(ConversionFailure, DamagedOldBlockLeavesTheOldFileUnderItsOwnName) {
    QTemporaryDir dir;
    TestServices services;
    Document doc(services.services(), dir.path());
    const QString path = dir.filePath(QStringLiteral("OrvikDB.mdb"));
    LabHistoryGenerator generator;
    generator.writeDatabase(path, 4, 2, 0, generator.instruments(1));
    {
        Database db;
        db.open(path);
        db.exec(QStringLiteral("UPDATE AudTestMeasurements SET Data = zeroblob(100) WHERE Id = 2"));
    }
    services.messages.answer(QStringLiteral("Could not create Audiometer Cal blobFile from old database"),
                             MessageAnswer::Ok, 1);
    services.messages.answer(QStringLiteral("Unable to convert database version 4 to version 5."), MessageAnswer::Ok,
                             1);
    ASSERT_TRUE(doc.openDatabase(path, false));
    EXPECT_EQ(doc.checkDatabaseVersion(), -1);
    EXPECT_FALSE(doc.hasDatabase());
    Database old;
    old.open(path);
    EXPECT_EQ(old.readSchemaVersion(), 4);
    EXPECT_EQ(old.rowCount(Table::AudTestMeasurements), 2);
    EXPECT_FALSE(QFile::exists(dir.filePath(DatabaseConversion::ConversionFileName)));
}

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
