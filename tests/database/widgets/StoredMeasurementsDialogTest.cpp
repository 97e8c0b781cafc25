#include "database/widgets/StoredBoothTestsPage.h"
#include "database/widgets/StoredAudiometerTestsPage.h"
#include "database/widgets/StoredMeasurementsDialog.h"
#include "DocumentFixture.h"
#include "FormField.h"
#include "ModalDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

#include <functional>

namespace orvik::test {
namespace {

QStringList column(const QTreeView& list, int index) {
    QStringList texts;
    for (int row = 0; row < list.model()->rowCount(); ++row)
        texts << list.model()->index(row, index).data().toString();
    return texts;
}

void select(QTreeView& list, int row) {
    list.selectionModel()->select(list.model()->index(row, 0),
                                  QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

class StoredDataSheet : public DocumentFixture {
protected:
    void SetUp() override {
        createDatabase();
        saveTest("J. Smith", "AC40", "0412877", 1);
        saveTest("P. Olsen", "AC40", "0412877", 2);
        saveTest("J. Smith", "MA41", "77", 1);
        saveBooth("BT-1", "Lakeside Audiology");
    }

    StoredMeasurementsBrowser browser{doc, services.messages};
};

TEST_F(StoredDataSheet, OpensWithEveryStoredTestAndSearchesWithTheFieldsAsTyped) {
    StoredMeasurementsDialog sheet(browser);
    QTreeView& tests = *sheet.audiometricPage()->resultList();
    EXPECT_EQ(column(tests, 0), (QStringList{"J. Smith", "P. Olsen", "J. Smith"}));
    EXPECT_EQ(column(tests, 3), (QStringList{"1", "2", "1"}));
    EXPECT_EQ(column(*sheet.boothPage()->resultList(), 1), QStringList{"Lakeside Audiology"});

    QTest::keyClicks(fieldLabelled<QLineEdit>(sheet.audiometricPage(), "Serial Num:"), " 0412877 ");
    fieldLabelled<QComboBox>(sheet.audiometricPage(), "Channel:")->setCurrentIndex(2);
    buttonLabelled(sheet.audiometricPage(), "Update List")->click();
    EXPECT_EQ(column(tests, 0), QStringList{"P. Olsen"});
    EXPECT_EQ(sheet.audiometricPage()->selectedId(), -1);
}

// Enter in any search field searches; it never reaches "Retrieve", which would close the sheet with nothing
// (or a stale line) loaded.
TEST_F(StoredDataSheet, EnterInASearchFieldUpdatesTheListAndKeepsTheSheetOpen) {
    const struct {
        const char* label;
        std::function<void(QWidget*)> fill;
        QStringList technicians;
    } cases[] = {
        {"Serial Num:", [](QWidget* f) { QTest::keyClicks(f, "77"); }, {"J. Smith"}},
        {"Technician:", [](QWidget* f) { QTest::keyClicks(f, "p."); }, {"P. Olsen"}},
        {"Channel:", [](QWidget* f) { static_cast<QComboBox*>(f)->setCurrentIndex(2); }, {"P. Olsen"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        StoredMeasurementsDialog sheet(browser);
        sheet.show();
        QTreeView& tests = *sheet.audiometricPage()->resultList();
        select(tests, 0);
        auto* field = fieldLabelled<QWidget>(sheet.audiometricPage(), QString::fromLatin1(c.label));
        ASSERT_NE(field, nullptr);
        c.fill(field);
        QTest::keyClick(field, Qt::Key_Return);
        EXPECT_TRUE(sheet.isVisible());
        EXPECT_NE(sheet.result(), QDialog::Accepted);
        EXPECT_EQ(column(tests, 0), c.technicians);
    }
}

TEST_F(StoredDataSheet, DeleteRemovesTheSelectedLinesAfterAskingAndListsWhatIsLeft) {
    StoredMeasurementsDialog sheet(browser);
    QTreeView& tests = *sheet.audiometricPage()->resultList();
    select(tests, 1);
    select(*sheet.boothPage()->resultList(), 0);
    services.messages.answer(QStringLiteral("AMBIENT"), MessageAnswer::No)
        .answer(QStringLiteral("AUDIOMETRIC"), MessageAnswer::Yes);
    buttonLabelled(&sheet, "Delete")->click();
    EXPECT_EQ(services.messages.texts(),
              (QStringList{"Do you really want to delete highlighted AMBIENT measurement?",
                           "Do you really want to delete highlighted AUDIOMETRIC measurement?"}));
    EXPECT_EQ(column(tests, 0), (QStringList{"J. Smith", "J. Smith"}));
    EXPECT_EQ(sheet.boothPage()->resultList()->model()->rowCount(), 1);
}

struct RetrieveCase {
    const char* name;
    int line;             // selected audiometric line, -1 none
    const char* gesture;  // "Retrieve", "double-click" or "Cancel"
    bool loaded;
};

class StoredDataRetrieve : public StoredDataSheet, public ::testing::WithParamInterface<RetrieveCase> {};

TEST_P(StoredDataRetrieve, LoadsTheSelectedTestOnlyWhenTheTechnicianRetrievesIt) {
    const RetrieveCase& c = GetParam();
    doc.newRecord();
    StoredMeasurementsBrowser::Retrieved retrieved;
    whileModal<StoredMeasurementsDialog>([&] { retrieved = StoredMeasurementsDialog::browse(doc, services.messages, nullptr); },
                              [&c](StoredMeasurementsDialog& sheet) {
                                  QTreeView& tests = *sheet.audiometricPage()->resultList();
                                  if (c.line >= 0)
                                      select(tests, c.line);
                                  if (QLatin1String(c.gesture) == "double-click")
                                      Q_EMIT tests.doubleClicked(tests.model()->index(c.line, 0));
                                  else
                                      buttonLabelled(&sheet, QLatin1String(c.gesture))->click();
                              });
    EXPECT_EQ(retrieved.audiometric, c.loaded);
    EXPECT_FALSE(retrieved.booth);
    EXPECT_EQ(fixedText(doc.record().setup.technician), c.loaded ? "P. Olsen" : "");
}

INSTANTIATE_TEST_SUITE_P(Gestures, StoredDataRetrieve,
                         ::testing::Values(RetrieveCase{"RetrieveButton", 1, "Retrieve", true},
                                           RetrieveCase{"DoubleClick", 1, "double-click", true},
                                           RetrieveCase{"NothingSelected", -1, "Retrieve", false},
                                           RetrieveCase{"Cancel", 1, "Cancel", false}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace orvik::test
