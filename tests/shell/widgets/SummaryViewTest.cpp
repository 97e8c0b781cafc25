#include "shell/widgets/SummaryView.h"
#include "MainWindowFixture.h"
#include "ModalDialog.h"
#include "model/FixedText.h"
#include "model/widgets/ConditionsDialog.h"
#include "shell/SummaryFields.h"
#include "shell/widgets/TestNotesView.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>

namespace orvik::test {
namespace {

class SummaryViewTest : public MainWindowFixture {
protected:
    void SetUp() override {
        start(Start::Equipped);
        trigger(MenuCommand::NewMeasurement);
        trigger(MenuCommand::MeasurementSummary);
        summary = view<SummaryView>();
        ASSERT_NE(summary, nullptr);
    }
    QString testDate() const { return fixedText(document->record().setup.testDate); }

    SummaryView* summary = nullptr;
};

TEST_F(SummaryViewTest, TwoDigitYearsWidenAndOldYearsLeaveTheDate) {
    const struct {
        const char* year;
        const char* stored;
    } cases[] = {{"07", "2007-03-09"}, {"95", "1995-03-09"}, {"2031", "2031-03-09"}, {"1900", "2031-03-09"}};
    for (const auto& c : cases) {
        summary->yearField()->setText(QString::fromLatin1(c.year));
        summary->monthField()->setCurrentIndex(2);
        summary->dayField()->setText(QStringLiteral("9"));
        summary->storeFields();
        EXPECT_EQ(testDate(), QString::fromLatin1(c.stored)) << c.year;
    }
}

TEST_F(SummaryViewTest, AnImpossibleDateIsRefusedAndTheFieldsShowTheDateKept) {
    const QString kept = testDate();
    const SummaryDate keptFields = SummaryDate::fromStored(kept);
    summary->technicianField()->setCurrentText(QStringLiteral("A. Lind"));
    services.messages.clear();
    const QString refusal = QStringLiteral("There is no Feb 30, 2024: the test date stays %1.").arg(kept);
    services.messages.answer(refusal, MessageAnswer::Ok);
    const auto typeFebruary30 = [this] {
        summary->yearField()->setText(QStringLiteral("2024"));
        summary->monthField()->setCurrentIndex(1);
        summary->dayField()->setText(QStringLiteral("30"));
    };
    typeFebruary30();
    EXPECT_FALSE(summary->storeFields());
    typeFebruary30();
    summary->done();
    EXPECT_EQ(services.messages.texts(), (QStringList{refusal, refusal}));
    EXPECT_EQ(frame->views().current(), ViewId::Summary);
    EXPECT_EQ(testDate(), kept);
    EXPECT_EQ(summary->yearField()->text().toInt(), keptFields.year);
    EXPECT_EQ(summary->monthField()->currentIndex(), keptFields.monthIndex);
    EXPECT_EQ(summary->dayField()->text().toInt(), keptFields.day);
    EXPECT_EQ(fixedText(document->record().setup.technician), "A. Lind");
}

TEST_F(SummaryViewTest, DoneNeedsATechnicianAndRemembersTheName) {
    services.messages.clear();
    summary->technicianField()->setCurrentText(QStringLiteral("   "));
    summary->done();
    EXPECT_EQ(services.messages.texts(),
              QStringList{"You must enter a technician before leaving the audiometer measurements."});
    EXPECT_EQ(frame->views().current(), ViewId::Summary);
    summary->technicianField()->setCurrentText(QStringLiteral("  A. Lind "));
    summary->done();
    EXPECT_EQ(frame->views().current(), ViewId::Idle);
    EXPECT_EQ(fixedText(document->record().setup.technician), "A. Lind");
    EXPECT_EQ(document->technicians().value(0), "A. Lind");
}

TEST_F(SummaryViewTest, CancelOfAModifiedTestAsksAndNoStays) {
    document->setModified(true);
    services.messages.answer(QStringLiteral("Do you really want to exit?"), MessageAnswer::No, 1)
        .answer(QStringLiteral("Do you really want to exit?"), MessageAnswer::Yes, 1);
    summary->cancel();
    EXPECT_EQ(frame->views().current(), ViewId::Summary);
    summary->cancel();
    EXPECT_EQ(frame->views().current(), ViewId::Idle);
    EXPECT_FALSE(document->isModified());
}

// Columns follow the transducer kinds: supra-aural, bone, speakers, insert, circumaural. A transducer the set-up
// does not use reads "n/a", one it uses but that was not measured " - ", and a verdict shows wherever it was given.
TEST_F(SummaryViewTest, StatusCellsShowTheRecordsVerdictsAndNaForUnusedTransducers) {
    frame->views().switchView(ViewId::Idle);
    TestSetup& setup = document->record().setup;
    setFixedText(setup.supraAural.leftSerial, QStringLiteral("L-1"));
    setFixedText(setup.speakers[1].serialNumber, QStringLiteral("SPR-1"));
    document->record().header.testStatus[0][0] = 1;
    document->record().header.testStatus[3][1] = -1;
    document->record().header.testStatus[9][4] = 99;
    trigger(MenuCommand::MeasurementSummary);
    QTableWidget* list = view<SummaryView>()->list();
    EXPECT_EQ(list->item(0, 0)->text(), "Hearing Level");
    const struct {
        int row;
        int column;
        const char* text;
    } cases[] = {{0, 1, "Pass"}, {3, 2, "FAIL"}, {9, 5, "n/a"}, {1, 1, " - "},
                 {5, 3, " - "},  {5, 2, "n/a"},  {0, 4, "n/a"}, {0, 5, "n/a"}};
    for (const auto& c : cases)
        EXPECT_EQ(list->item(c.row, c.column)->text(), c.text) << c.row << "," << c.column;
}

TEST_F(SummaryViewTest, NotesKeepCommentsWithinTheRecordAndStoreTheVisualCheck) {
    trigger(MenuCommand::AudiometerTestNotes);
    auto* notes = view<TestNotesView>();
    ASSERT_NE(notes, nullptr);
    EXPECT_EQ(notes->item(29)->checkedId(), 0); // never answered reads as "P"
    notes->comments()->setPlainText(QString(600, u'x'));
    EXPECT_EQ(notes->comments()->toPlainText().size(), TestNotesView::MaxComments);
    notes->item(7)->button(2)->setChecked(true);
    notes->accept();
    EXPECT_EQ(document->record().notes.visualCheck[7], 2);
    EXPECT_EQ(fixedText(document->record().notes.comments).size(), 511);
    EXPECT_EQ(frame->views().current(), ViewId::Summary);
}

// The conditions go into the record as their dialog closes with OK, so the record is modified even when the
// notes themselves are then cancelled.
TEST_F(SummaryViewTest, ConditionsFromTheNotesMarkTheRecordModified) {
    for (const bool accepted : {false, true}) {
        document->setModified(false);
        trigger(MenuCommand::AudiometerTestNotes);
        auto* notes = view<TestNotesView>();
        ASSERT_NE(notes, nullptr);
        QPushButton* conditions = nullptr;
        for (QPushButton* button : notes->findChildren<QPushButton*>())
            if (button->text() == QStringLiteral("Temperature / Humidity..."))
                conditions = button;
        ASSERT_NE(conditions, nullptr);
        whileModal<ConditionsDialog>([conditions] { conditions->click(); },
                                     [accepted](ConditionsDialog& dialog) {
                                         dialog.temperatureField()->setText(QStringLiteral("21.5"));
                                         accepted ? dialog.accept() : dialog.reject();
                                     });
        notes->cancel();
        EXPECT_EQ(document->isModified(), accepted) << accepted;
        EXPECT_EQ(document->record().setup.temperature, accepted ? 21.5f : 0.0f) << accepted;
    }
}

} // namespace
} // namespace orvik::test
