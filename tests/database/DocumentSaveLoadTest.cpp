#include "DocumentFixture.h"
#include "database/TableCursor.h"
#include "database/EngineDate.h"
#include "database/StoredBlock.h"

#include <QSqlQuery>
#include <cstring>

using namespace orvik;
using namespace orvik::test;

namespace {

const QString ReplaceQuestion = QStringLiteral("The Technician and/or Test Date has changed.");
const QString OverwriteBeforeLookup = QStringLiteral("Saving measurement will overwrite previous values.  Continue?");
const QString OverwriteAtRow = QStringLiteral("Saving measurement will overwrite previous values. Continue?");

class DocumentSave : public DocumentFixture {
protected:
    void SetUp() override { createDatabase(); }

    int rows() { return doc.database().rowCount(Table::AudTestMeasurements); }

    QStringList techniciansInTable() {
        QSqlQuery q(doc.database().connection());
        q.exec(QStringLiteral("SELECT Technician FROM AudTestMeasurements ORDER BY Id"));
        QStringList names;
        while (q.next())
            names << q.value(0).toString();
        return names;
    }
};

TEST_F(DocumentSave, SavedAndLoadedRecordIsByteIdenticalAndResavesInPlace) {
    fillRecord();
    for (int i = 0; i < 30; ++i)
        doc.record().notes.visualCheck[i] = i % 3;
    const auto original = std::make_unique<AudiometerRecord>(doc.record());
    ASSERT_EQ(doc.saveRecord(), Document::SaveResult::Saved);
    EXPECT_FALSE(doc.isModified());
    doc.newRecord();
    ASSERT_TRUE(doc.loadRecord(1));
    EXPECT_EQ(std::memcmp(&doc.record(), original.get(), sizeof(AudiometerRecord)), 0);
    EXPECT_TRUE(doc.recordFromDatabase());
    EXPECT_FALSE(doc.isModified());
    // Saved again unchanged, it asks nothing and edits the same row.
    EXPECT_EQ(doc.saveRecord(), Document::SaveResult::Saved);
    EXPECT_EQ(rows(), 1);
    EXPECT_TRUE(services.messages.texts().isEmpty());
}

TEST_F(DocumentSave, PlainColumnsCarryTheIdentityAndTheDayNumber) {
    fillRecord();
    ASSERT_EQ(doc.saveRecord(), Document::SaveResult::Saved);
    QSqlQuery q(doc.database().connection());
    ASSERT_TRUE(q.exec(QStringLiteral("SELECT Technician, Date, ModelNum, SerialNum, ChannelNum, length(Data) "
                                      "FROM AudTestMeasurements")));
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value(0).toString(), QStringLiteral("J. Smith"));
    EXPECT_DOUBLE_EQ(q.value(1).toDouble(), 45356.0); // 2024-03-05 counted from 1899-12-30
    EXPECT_EQ(q.value(2).toString(), QStringLiteral("AC40"));
    EXPECT_EQ(q.value(3).toString(), QStringLiteral("0412877"));
    EXPECT_EQ(q.value(4).toInt(), 2);
    EXPECT_EQ(q.value(5).toInt(), 20 + 82376);
}

TEST_F(DocumentSave, ChangedTechnicianAnsweredNoAddsASecondRowAndKeepsTheFirst) {
    fillRecord();
    ASSERT_EQ(doc.saveRecord(), Document::SaveResult::Saved);
    setFixedText(doc.record().setup.technician, QStringLiteral("K. Olsen"));
    doc.setModified(true);
    services.messages.answer(ReplaceQuestion, MessageAnswer::No, 1);
    ASSERT_EQ(doc.saveRecord(), Document::SaveResult::Saved);
    EXPECT_EQ(techniciansInTable(), (QStringList{QStringLiteral("J. Smith"), QStringLiteral("K. Olsen")}));
}

TEST_F(DocumentSave, ChangedTechnicianAnsweredYesReplacesTheRowFoundByTheOldTechnician) {
    fillRecord();
    ASSERT_EQ(doc.saveRecord(), Document::SaveResult::Saved);
    setFixedText(doc.record().setup.technician, QStringLiteral("K. Olsen"));
    services.messages.answer(ReplaceQuestion, MessageAnswer::Yes, 1);
    ASSERT_EQ(doc.saveRecord(), Document::SaveResult::Saved);
    EXPECT_EQ(techniciansInTable(), QStringList{QStringLiteral("K. Olsen")});
    // The next save looks the row up by the technician now stored.
    doc.setModified(true);
    services.messages.answer(OverwriteBeforeLookup, MessageAnswer::Yes, 1);
    ASSERT_EQ(doc.saveRecord(), Document::SaveResult::Saved);
    EXPECT_EQ(rows(), 1);
}

TEST_F(DocumentSave, ChangedDateAnsweredCancelWritesNothingAndKeepsTheModifiedFlag) {
    fillRecord();
    ASSERT_EQ(doc.saveRecord(), Document::SaveResult::Saved);
    setFixedText(doc.record().setup.testDate, QStringLiteral("2024-03-06"));
    doc.setModified(true);
    services.messages.answer(ReplaceQuestion, MessageAnswer::Cancel, 1);
    EXPECT_EQ(doc.saveRecord(), Document::SaveResult::Stopped);
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(rows(), 1);
}

TEST_F(DocumentSave, ModifiedLoadedRecordAsksTheOverwriteQuestionWithTwoBlanks) {
    fillRecord();
    ASSERT_EQ(doc.saveRecord(), Document::SaveResult::Saved);
    doc.record().setup.temperature = 23.0f;
    doc.setModified(true);
    services.messages.answer(OverwriteBeforeLookup, MessageAnswer::No, 1);
    EXPECT_EQ(doc.saveRecord(), Document::SaveResult::Stopped);
    EXPECT_EQ(services.messages.count(OverwriteBeforeLookup), 1);
    EXPECT_TRUE(doc.isModified());
}

TEST_F(DocumentSave, NewModifiedRecordMatchingAStoredRowAsksTheOverwriteQuestionWithOneBlank) {
    fillRecord();
    ASSERT_EQ(doc.saveRecord(), Document::SaveResult::Saved);
    fillRecord(); // a new record with the same identity
    services.messages.answer(OverwriteAtRow, MessageAnswer::No, 1);
    EXPECT_EQ(doc.saveRecord(), Document::SaveResult::Stopped);
    EXPECT_EQ(services.messages.count(OverwriteAtRow), 1);
    EXPECT_EQ(services.messages.count(OverwriteBeforeLookup), 0);
    EXPECT_FALSE(doc.isModified()); // this question clears the flag when answered No
    EXPECT_EQ(rows(), 1);
}

struct MissingIdentity {
    const char* technician;
    const char* model;
    const char* serial;
};

class DocumentSaveRefusal : public DocumentSave, public ::testing::WithParamInterface<MissingIdentity> {};

TEST_P(DocumentSaveRefusal, RecordWithoutTechnicianModelOrSerialIsNotSaved) {
    fillRecord(GetParam().technician, GetParam().model, GetParam().serial);
    services.messages.answer(QStringLiteral("You must select a Technician and an Instrument."), MessageAnswer::Ok);
    EXPECT_EQ(doc.saveRecord(), Document::SaveResult::Stopped);
    EXPECT_EQ(services.messages.count(QStringLiteral("You must select a Technician and an Instrument.")), 1);
    EXPECT_EQ(rows(), 0);
}

INSTANTIATE_TEST_SUITE_P(Identity, DocumentSaveRefusal,
                         ::testing::Values(MissingIdentity{"", "AC40", "1"}, MissingIdentity{"J. Smith", "", "1"},
                                           MissingIdentity{"J. Smith", "AC40", ""}));

class DocumentSaveOfImpossibleDate : public DocumentSave, public ::testing::WithParamInterface<const char*> {};

TEST_P(DocumentSaveOfImpossibleDate, IsRefusedSoNoRowIsLeftWithoutADate) {
    fillRecord("J. Smith", "AC40", "0412877", GetParam());
    const QString refusal = QStringLiteral("The test date \"%1\" is not a valid date.\nCorrect it in the Measurement "
                                           "Summary and save again.")
                                .arg(QString::fromLatin1(GetParam()));
    services.messages.answer(refusal, MessageAnswer::Ok);
    for (int attempt = 0; attempt < 2; ++attempt)
        EXPECT_EQ(doc.saveRecord(), Document::SaveResult::Stopped);
    EXPECT_EQ(services.messages.count(refusal), 2);
    EXPECT_EQ(rows(), 0);
    EXPECT_TRUE(doc.isModified());
}

INSTANTIATE_TEST_SUITE_P(Dates, DocumentSaveOfImpossibleDate,
                         ::testing::Values("2024-02-30", "2023-02-29", "2024-04-31", "2024-13-01", "2024-03-00", "",
                                           "5 March"));

TEST_F(DocumentSave, LeapDayIsAValidDate) {
    fillRecord("J. Smith", "AC40", "0412877", "2024-02-29");
    ASSERT_EQ(doc.saveRecord(), Document::SaveResult::Saved);
    QSqlQuery q(doc.database().connection());
    ASSERT_TRUE(q.exec(QStringLiteral("SELECT Date FROM AudTestMeasurements")) && q.next());
    EXPECT_DOUBLE_EQ(q.value(0).toDouble(), 45351.0);
}

TEST(DocumentSaveWithoutDatabase, SaysThatNoDatabaseIsOpen) {
    QTemporaryDir dir;
    TestServices services;
    Document doc(services.services(), dir.path());
    doc.newRecord();
    setFixedText(doc.record().setup.technician, QStringLiteral("J. Smith"));
    setFixedText(doc.record().setup.audModel, QStringLiteral("AC40"));
    setFixedText(doc.record().setup.audSerialNumber, QStringLiteral("0412877"));
    doc.setModified(true);
    const QString refusal = QStringLiteral("Must connect to a database before saving a test!\n"
                                           "Select/create a database with File/Change Database.");
    services.messages.answer(refusal, MessageAnswer::Ok);
    EXPECT_EQ(doc.saveRecord(), Document::SaveResult::Stopped);
    EXPECT_EQ(services.messages.texts(), QStringList{refusal});
    EXPECT_TRUE(doc.isModified());
}

TEST_F(DocumentSave, ApostropheInTechnicianIsStoredAndFoundExactly) {
    fillRecord("O'Brien'); DROP TABLE Schema; --");
    ASSERT_EQ(doc.saveRecord(), Document::SaveResult::Saved);
    fillRecord("O'Brien'); DROP TABLE Schema; --");
    services.messages.answer(OverwriteAtRow, MessageAnswer::Yes, 1);
    ASSERT_EQ(doc.saveRecord(), Document::SaveResult::Saved);
    EXPECT_EQ(rows(), 1);
    EXPECT_TRUE(doc.database().tableExists(Table::Schema));
}

TEST_F(DocumentSave, ComparisonLoadLeavesTheCurrentRecordAlone) {
    fillRecord();
    ASSERT_EQ(doc.saveRecord(), Document::SaveResult::Saved);
    fillRecord("K. Olsen");
    ASSERT_TRUE(doc.loadComparisonRecord(1));
    EXPECT_EQ(fixedText(doc.comparisonRecord().setup.technician), QStringLiteral("J. Smith"));
    EXPECT_EQ(fixedText(doc.record().setup.technician), QStringLiteral("K. Olsen"));
    EXPECT_TRUE(doc.isModified());
}

TEST_F(DocumentSave, LoadingAMissingIdIsReported) {
    services.messages.answer(QStringLiteral("Couldn't Find Audiometric Cal Measurements with 42 index--Exception: "),
                             MessageAnswer::Ok);
    EXPECT_FALSE(doc.loadRecord(42));
    EXPECT_EQ(services.messages.texts().size(), 1);
}

// A stored block that is not exactly a header and a record (a missing one included) is refused and overwrites
// nothing.
struct DamagedBlock {
    const char* name;
    QByteArray data;
};

class DamagedAudiometerBlock : public DocumentSave, public ::testing::WithParamInterface<DamagedBlock> {};

TEST_P(DamagedAudiometerBlock, IsRefusedAndTheCurrentRecordStays) {
    fillRecord("K. Olsen");
    QSqlQuery q(doc.database().connection());
    q.prepare(QStringLiteral("INSERT INTO AudTestMeasurements (Technician, Data) VALUES ('X', ?)"));
    q.addBindValue(GetParam().data);
    ASSERT_TRUE(q.exec());
    services.messages.answer(QStringLiteral("Could not create Audiometric Cal measurement blobFile from database"),
                             MessageAnswer::Ok);
    EXPECT_FALSE(doc.loadRecord(1));
    EXPECT_EQ(fixedText(doc.record().setup.technician), QStringLiteral("K. Olsen"));
    EXPECT_TRUE(doc.isModified());
}

QByteArray headerPlus(int size, char fill = 0) {
    QByteArray block("Orvik Version 02.20");
    block.resize(20, '\0');
    return block + QByteArray(size, fill);
}

INSTANTIATE_TEST_SUITE_P(Blocks, DamagedAudiometerBlock,
                         ::testing::Values(DamagedBlock{"Missing", QByteArray()},
                                           DamagedBlock{"Short", headerPlus(82375)},
                                           DamagedBlock{"Long", headerPlus(82377)},
                                           DamagedBlock{"HeaderOnly", headerPlus(0)},
                                           DamagedBlock{"Garbage", QByteArray(82396, '\xA5')}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DocumentSave, NewRecordIsZeroExceptTestDateAndDataVersion) {
    fillRecord();
    doc.newRecord();
    EXPECT_EQ(fixedText(doc.record().setup.testDate), QStringLiteral("2024-03-05"));
    EXPECT_EQ(doc.record().setup.dataVersion, 220);
    EXPECT_EQ(doc.record().notes.visualCheck[3], 0);
    EXPECT_EQ(doc.record().results.inputLevels.speech[0], 70); // remembered dial levels, here their defaults
    EXPECT_FALSE(doc.recordFromDatabase());
}

} // namespace

namespace {

class StoredBlocks : public DocumentFixture {
protected:
    void SetUp() override { createDatabase(); }

    void insert(const QString& table, const QByteArray& block) {
        QSqlQuery q(doc.database().connection());
        q.prepare(QStringLiteral("INSERT INTO %1 (Data) VALUES (?)").arg(table));
        q.addBindValue(block);
        ASSERT_TRUE(q.exec());
    }
};

TEST_F(StoredBlocks, HeaderReadsOrvikVersion0220) {
    const QByteArray header = storedHeader();
    ASSERT_EQ(header.size(), 20);
    EXPECT_EQ(QByteArray(header.constData()), QByteArray("Orvik Version 02.20"));
    EXPECT_EQ(header[19], '\0');
}

TEST_F(StoredBlocks, DamagedBoothBlockIsRefusedAndTheBoothRecordStays) {
    setFixedText(doc.ambientRecord().testName, QStringLiteral("Current"));
    for (const QByteArray& block : {headerPlus(855), headerPlus(857), QByteArray(876, '\x11')}) {
        doc.database().exec(QStringLiteral("DELETE FROM AmbientMeasurements"));
        insert(Table::AmbientMeasurements, block);
        services.messages.answer(QStringLiteral("Could not create Ambient blobFile from database"), MessageAnswer::Ok,
                                 1);
        QSqlQuery q(doc.database().connection());
        ASSERT_TRUE(q.exec(QStringLiteral("SELECT Id FROM AmbientMeasurements")) && q.next());
        EXPECT_FALSE(doc.loadAmbientRecord(q.value(0).toInt()));
        EXPECT_EQ(fixedText(doc.ambientRecord().testName), QStringLiteral("Current"));
    }
}

TEST_F(StoredBlocks, BoothRecordSurvivesSaveAndLoad) {
    AmbientRecord& booth = doc.ambientRecord();
    setFixedText(booth.testName, QStringLiteral("Clinic 2 / Booth A"));
    setFixedText(booth.measurementDate, QStringLiteral("2010-03-10"));
    booth.spectrum[19] = 21.5f;
    booth.microphone.sensitivity = 48.7f;
    const AmbientRecord saved = booth;
    ASSERT_EQ(doc.saveAmbientRecord(), BoothStore::StoreResult::Stored);
    booth = clearedAmbientRecord();
    ASSERT_TRUE(doc.loadAmbientRecord(1));
    EXPECT_EQ(std::memcmp(&doc.ambientRecord(), &saved, sizeof saved), 0);
    EXPECT_TRUE(doc.ambientFromDatabase());
}

TEST_F(StoredBlocks, EquipmentBlockWithForeignHeaderIsRefusedAndTheListsStay) {
    doc.instruments().list(InstrumentKind::Preamp).push_back(emptyInstrumentEntry(InstrumentKind::Preamp));
    insert(Table::EquipmentList, QByteArray(20 + 832, '\x01'));
    services.messages.answer(QStringLiteral("Could not create Equipment List blobFile from database"),
                             MessageAnswer::Ok, 1);
    EXPECT_FALSE(doc.readEquipmentLists());
    EXPECT_EQ(doc.instruments().totalCount(), 1);
}

TEST_F(StoredBlocks, EquipmentListsRoundTripAndRebuildTheEarphoneList) {
    InstrumentEntry mic = emptyInstrumentEntry(InstrumentKind::Microphone);
    setFixedText(mic.identity.serialNumber, QStringLiteral("M1"));
    mic.values.microphone.gridCorrection[2] = 0.75f;
    doc.instruments().list(InstrumentKind::Microphone).push_back(mic);
    ASSERT_TRUE(doc.writeEquipmentLists());
    ASSERT_TRUE(doc.writeEquipmentLists()); // rewrites the one row
    EXPECT_EQ(doc.database().rowCount(Table::EquipmentList), 1);
    int rebuilt = 0;
    doc.rebuildEarphoneList = [&rebuilt] { ++rebuilt; };
    doc.instruments().clear();
    ASSERT_TRUE(doc.readEquipmentLists());
    EXPECT_EQ(rebuilt, 1);
    EXPECT_TRUE(doc.equipmentDefined());
    ASSERT_EQ(doc.instruments().list(InstrumentKind::Microphone).size(), 1u);
    EXPECT_EQ(doc.instruments().list(InstrumentKind::Microphone)[0].values.microphone.gridCorrection[2], 0.75f);
}

} // namespace
