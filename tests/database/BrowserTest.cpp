#include "DocumentFixture.h"
#include "core/Settings.h"
#include "database/EngineDate.h"
#include "database/StoredMeasurementsBrowser.h"

#include <QSqlQuery>

using namespace orvik;
using namespace orvik::test;

namespace {

using Ids = std::vector<RowId>;

struct FilterCase {
    const char* name;
    AudiometricSearch search;
    const char* expected;
};

class AudiometricFilter : public ::testing::TestWithParam<FilterCase> {};

TEST_P(AudiometricFilter, JoinsThePresentConditionsInTheSheetsOrder) {
    EXPECT_EQ(StoredMeasurementsBrowser::audiometricFilter(GetParam().search).describe(),
              QString::fromLatin1(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Fields, AudiometricFilter,
    ::testing::Values(
        FilterCase{"Empty", {}, ""}, FilterCase{"ChannelTwoAlone", {{}, {}, {}, 2, {}, {}}, "ChannelNum = 2"},
        FilterCase{"SerialThenTechnician",
                   {QStringLiteral(" J. Smith "), {}, QStringLiteral("0412877"), 0, {}, {}},
                   "SerialNum LIKE '0412877%' AND Technician LIKE 'J. Smith%'"},
        FilterCase{"AllFields",
                   {QStringLiteral("T"), QStringLiteral("M"), QStringLiteral("S"), 1, QStringLiteral("2024-01-01"),
                    QStringLiteral("12/31/2024")},
                   "SerialNum LIKE 'S%' AND ModelNum LIKE 'M%' AND Technician LIKE 'T%' AND ChannelNum = 1 AND "
                   "Date >= 45292.000000 AND Date <= 45657.000000"},
        FilterCase{"UnparsableDatesAddNothing",
                   {{}, {}, {}, 0, QStringLiteral("last week"), QStringLiteral("2024-13-01")},
                   ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BoothFilter, CustomerBoothAndDates) {
    const BoothSearch search{QStringLiteral("Lakeside"), QStringLiteral("Booth A"), QStringLiteral("2024-03-05"), {}};
    EXPECT_EQ(StoredMeasurementsBrowser::boothFilter(search).describe(),
              QStringLiteral("Customer LIKE 'Lakeside%' AND Booth LIKE 'Booth A%' AND Date >= 45356.000000"));
}

class Browser : public DocumentFixture {
protected:
    void SetUp() override {
        createDatabase();
        if (IsSkipped() || HasFatalFailure())
            return;
        saveTest("J. Smith", "AC40", "0412877", 1, "2024-03-05");
        saveTest("P. O'Neill", "AC40", "0412877", 2, "2024-03-06");
        saveTest("J. Smith", "MA41", "77", 1, "2023-11-20");
        saveBooth("BT-1", "St. Mary's Hospital", "2024-01-10");
        saveBooth("BT-2", "Lakeside Audiology", "2024-02-10");
    }

    Ids ids(const BrowserRows& rows) {
        Ids result;
        for (std::size_t line = 0; line < rows.size(); ++line)
            result.push_back(rows.id(line));
        return result;
    }

    StoredMeasurementsBrowser browser{doc, services.messages};
};

TEST_F(Browser, EmptySearchListsEveryRowWithItsCells) {
    const auto rows = browser.searchAudiometric({});
    ASSERT_EQ(ids(rows), (Ids{1, 2, 3}));
    EXPECT_EQ(rows.cells(1),
              (QStringList{QStringLiteral("P. O'Neill"), QStringLiteral("AC40"), QStringLiteral("0412877"),
                           QStringLiteral("2"), QStringLiteral("Mar. 06, 2024")}));
}

TEST_F(Browser, ApostropheInASearchFindsExactlyWhatItNames) {
    AudiometricSearch search;
    search.technician = QStringLiteral("P. O'Neill");
    EXPECT_EQ(ids(browser.searchAudiometric(search)), Ids{2});
    search.technician = QStringLiteral("x' OR '1'='1");
    EXPECT_TRUE(browser.searchAudiometric(search).empty());
    EXPECT_TRUE(services.messages.texts().isEmpty());
    BoothSearch booth;
    booth.customer = QStringLiteral("St. Mary's Hospital");
    EXPECT_EQ(ids(browser.searchBooths(booth)), Ids{1});
}

TEST_F(Browser, TextsFindEntriesBeginningWithThemWildcardsMatchedAsThemselves) {
    saveTest("A. Lund", "AC40", "LA2291", 1, "2024-04-01");
    saveTest("A. Lund", "AC40", "XLA229", 1, "2024-04-02");
    saveTest("A. Lund", "AC40", "50%_OFF", 1, "2024-04-03");
    saveTest("A. Lund", "AC40", "50X1OFF", 1, "2024-04-04");
    saveTest("A. Lund", "AC40", "C:\\1", 1, "2024-04-05");
    const struct {
        const char* serial;
        Ids found;
    } cases[] = {
        {"LA229", {4}},  // a leading part, not a part inside
        {"la2291", {4}}, // capitals or not
        {"LA22911", {}}, // longer than the stored number
        {"50%", {6}},    // "%" is no wildcard
        {"50%_", {6}},   // nor is "_"
        {"C:\\", {8}},   // nor the escape character
        {"041287", {1, 2}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.serial);
        AudiometricSearch search;
        search.serialNumber = QString::fromLatin1(c.serial);
        EXPECT_EQ(ids(browser.searchAudiometric(search)), c.found);
    }
    BoothSearch booth;
    booth.customer = QStringLiteral("st. mary");
    EXPECT_EQ(ids(browser.searchBooths(booth)), Ids{1});
    EXPECT_TRUE(services.messages.texts().isEmpty());
}

TEST_F(Browser, DateRangeIsInclusive) {
    AudiometricSearch search;
    search.fromDate = QStringLiteral("2024-03-05");
    search.toDate = QStringLiteral("03/06/2024");
    EXPECT_EQ(ids(browser.searchAudiometric(search)), (Ids{1, 2}));
    search.channelPosition = 1;
    EXPECT_EQ(ids(browser.searchAudiometric(search)), Ids{1});
}

// Engines hand out Ids past 2^31 (a lab's long history, rows copied from another database); such an Id must
// list, load and save the row it names and no other.
TEST_F(Browser, IdsBeyondThirtyTwoBitsNameTheirOwnRows) {
    constexpr RowId High = (RowId(1) << 32) + 2;
    QSqlQuery move(doc.database().connection());
    ASSERT_TRUE(move.exec(QStringLiteral("UPDATE AudTestMeasurements SET Id = %1 WHERE Id = 2").arg(High)));
    // The server's Ids follow their own counter, which a copy moves past the copied Ids; so does this move.
    doc.database().continueIdsAfterCopy(Table::AudTestMeasurements);
    saveTest("A. Lund", "AC40", "LA2291", 1, "2024-04-01");
    EXPECT_EQ(ids(browser.searchAudiometric({})), (Ids{1, 3, High, High + 1}));

    ASSERT_TRUE(doc.loadRecord(High));
    EXPECT_EQ(fixedText(doc.record().setup.technician), QStringLiteral("P. O'Neill"));
    doc.record().setup.temperature = 19.5f;
    doc.setModified(true);
    services.messages.answer(QStringLiteral("overwrite previous values"), MessageAnswer::Yes);
    ASSERT_EQ(doc.saveRecord(), Document::SaveResult::Saved);
    EXPECT_EQ(doc.savedRecordId(), High);
    EXPECT_EQ(ids(browser.searchAudiometric({})), (Ids{1, 3, High, High + 1}));
    ASSERT_TRUE(doc.loadRecord(3));
    EXPECT_EQ(fixedText(doc.record().setup.audModel), QStringLiteral("MA41"));
    ASSERT_TRUE(doc.loadRecord(High));
    EXPECT_EQ(doc.record().setup.temperature, 19.5f);

    services.messages.answer(QStringLiteral("Do you really want to delete highlighted"), MessageAnswer::Yes);
    EXPECT_TRUE(browser.remove(-1, High));
    EXPECT_EQ(ids(browser.searchAudiometric({})), (Ids{1, 3, High + 1}));
}

TEST_F(Browser, ADateNoCalendarHoldsListsAsBlank) {
    QSqlQuery damage(doc.database().connection());
    ASSERT_TRUE(damage.exec(QStringLiteral("UPDATE AudTestMeasurements SET Date = 1e300 WHERE Id = 1")));
    ASSERT_TRUE(damage.exec(QStringLiteral("UPDATE AudTestMeasurements SET Date = -3.5e6 WHERE Id = 2")));
    const auto rows = browser.searchAudiometric({});
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows.cells(0).last(), QString());
    EXPECT_EQ(rows.cells(1).last(), QString());
    EXPECT_EQ(rows.cells(2).last(), QStringLiteral("Nov. 20, 2023"));
}

TEST_F(Browser, BoothRowsShowNameCustomerBoothAndDate) {
    const auto rows = browser.searchBooths({});
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows.cells(1), (QStringList{QStringLiteral("BT-2"), QStringLiteral("Lakeside Audiology"),
                                          QStringLiteral("Booth A"), QStringLiteral("Feb. 10, 2024")}));
}

TEST_F(Browser, DeleteWithBothPagesSelectedAsksTwiceBoothFirst) {
    services.messages.answer(QStringLiteral("Do you really want to delete highlighted"), MessageAnswer::Yes);
    EXPECT_TRUE(browser.remove(2, 3));
    EXPECT_EQ(services.messages.texts(),
              (QStringList{QStringLiteral("Do you really want to delete highlighted AMBIENT measurement?"),
                           QStringLiteral("Do you really want to delete highlighted AUDIOMETRIC measurement?")}));
    EXPECT_EQ(ids(browser.searchAudiometric({})), (Ids{1, 2}));
    EXPECT_EQ(ids(browser.searchBooths({})), Ids{1});
}

TEST_F(Browser, DeleteAnsweredNoKeepsTheRow) {
    services.messages.answer(QStringLiteral("AUDIOMETRIC"), MessageAnswer::No, 1);
    EXPECT_FALSE(browser.remove(-1, 1));
    EXPECT_EQ(ids(browser.searchAudiometric({})).size(), 3u);
}

TEST_F(Browser, RetrieveWithNothingSelectedLoadsNothing) {
    fillRecord("K. Olsen");
    const auto retrieved = browser.retrieve(-1, -1);
    EXPECT_FALSE(retrieved.booth);
    EXPECT_FALSE(retrieved.audiometric);
    EXPECT_EQ(fixedText(doc.record().setup.technician), QStringLiteral("K. Olsen"));
}

TEST_F(Browser, RetrieveOffersToSaveAModifiedRecordFirst) {
    fillRecord("K. Olsen");
    services.messages.answer(QStringLiteral("Save the modified measurements to the current database first?"),
                             MessageAnswer::No, 1);
    const auto retrieved = browser.retrieve(1, 2);
    EXPECT_TRUE(retrieved.booth);
    EXPECT_TRUE(retrieved.audiometric);
    EXPECT_EQ(fixedText(doc.record().setup.technician), QStringLiteral("P. O'Neill"));
    EXPECT_EQ(fixedText(doc.ambientRecord().testName), QStringLiteral("BT-1"));
}

TEST_F(Browser, WithoutDatabaseSaysSoAndListsNothing) {
    doc.closeDatabase();
    services.messages.answer(QStringLiteral("The database is not available."), MessageAnswer::Ok);
    EXPECT_TRUE(browser.searchAudiometric({}).empty());
    EXPECT_EQ(services.messages.count(QStringLiteral("The database is not available.")), 1);
}

TEST_F(Browser, BoothSavedUnderAnExistingNameReplacesThatRow) {
    EXPECT_EQ(doc.ambientTestNameUsed(QStringLiteral("BT-2")), std::optional<bool>(true));
    EXPECT_EQ(doc.ambientTestNameUsed(QStringLiteral("bt-2")), std::optional<bool>(false));
    saveBooth("BT-2", "Northside ENT", "2024-02-11");
    const auto rows = browser.searchBooths({});
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows.cells(1)[1], QStringLiteral("Northside ENT"));
}

// Lines are made only when a view asks for them, in whatever order it asks; each day's text is made once and
// shared, so a line must never show a day another line asked for first.
TEST(BrowserRows, CellsReadTheirColumnsInAnyOrderAskedAndOutsideTheListAreEmpty) {
    const double mar5 = engineDate(QDate(2024, 3, 5));
    const BrowserRows rows({{RowId(7), QStringLiteral("J. Smith"), 2, mar5},
                            {RowId(1) << 33, QStringLiteral("P. O'Neill"), QVariant(), mar5 + 0.75},
                            {RowId(9), QString(), QStringLiteral("1"), QVariant()},
                            {RowId(4), QStringLiteral("K. Olsen"), 1, 1e300},
                            {RowId(5), QStringLiteral("A. Lund"), 1, mar5 - 366}},
                           {BrowserCell::Text, BrowserCell::Channel, BrowserCell::Date});
    const struct {
        std::size_t line;
        int column;
        const char* text;
    } cases[] = {
        {4, 2, "Mar. 05, 2023"}, {0, 2, "Mar. 05, 2024"}, {1, 2, "Mar. 05, 2024"}, {2, 2, ""},
        {3, 2, ""},              {0, 1, "2"},             {1, 1, "0"},             {2, 1, "1"},
        {1, 0, "P. O'Neill"},    {2, 0, ""},              {0, 3, ""},              {5, 0, ""},
        {0, -1, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(rows.cell(c.line, c.column), QString::fromUtf8(c.text)) << c.line << ' ' << c.column;
    EXPECT_EQ(rows.cells(3), (QStringList{QStringLiteral("K. Olsen"), QStringLiteral("1"), QString()}));
    EXPECT_TRUE(rows.cells(5).isEmpty());
    EXPECT_EQ(rows.id(1), RowId(1) << 33);
    EXPECT_EQ(rows.id(5), -1);
}

struct SaveDataCase {
    SaveDataAnswer answer;
    bool always;
    bool saves;
    int saveAfterTest;
    int showDialog;
};

class SaveDataQuestion : public ::testing::TestWithParam<SaveDataCase> {};

TEST_P(SaveDataQuestion, StoresTheChoice) {
    MemorySettingsStore settings;
    Setting::SaveAfterTest.write(settings, 7); // neither 0 nor 1: shows whether it was written
    EXPECT_EQ(applySaveDataAnswer(settings, GetParam().answer, GetParam().always), GetParam().saves);
    EXPECT_EQ(Setting::SaveAfterTest.read(settings), GetParam().saveAfterTest);
    EXPECT_EQ(Setting::ShowSaveDialogAfterTest.read(settings), GetParam().showDialog);
}

INSTANTIATE_TEST_SUITE_P(Answers, SaveDataQuestion,
                         ::testing::Values(SaveDataCase{SaveDataAnswer::Save, false, true, 1, 1},
                                           SaveDataCase{SaveDataAnswer::Save, true, true, 1, 0},
                                           SaveDataCase{SaveDataAnswer::SaveLater, false, false, 7, 1},
                                           SaveDataCase{SaveDataAnswer::SaveLater, true, false, 0, 0}));

} // namespace
