#include "SimBench.h"
#include "core/Settings.h"
#include "measure/TestSheetController.h"
#include "model/FixedText.h"

#include <gtest/gtest.h>

using namespace orvik;
using namespace orvik::test;

namespace {
struct TestSheet : ::testing::Test, SimBench {
    int saves = 0;
    int saveQuestions = 0;
    bool answerSave = true;
    std::unique_ptr<TestSheetController> sheet;

    void SetUp() override {
        ASSERT_TRUE(connect());
        sheet = std::make_unique<TestSheetController>(
            record, *link, [this](const AudiometerRecord&) { return ++saves > 0; },
            [this] {
                ++saveQuestions;
                return answerSave;
            });
    }
    qint16 status(int test, TransducerKind transducer) const { return record.header.testStatus[test][int(transducer)]; }
};
} // namespace

TEST_F(TestSheet, HearingLevelOfBothEarsFailsTheTestInTheStatusTable) {
    audiometer().levelErrorDb.insert(4000.0, 4.0);
    for (int tab : {0, 1}) {
        sheet->setActivePage(tab);
        EXPECT_EQ(sheet->measureAll(), 0);
    }
    sheet->takeDataBack();
    int stored = 0;
    for (int ear : {0, 1})
        for (const ToneEntry& entry : record.results.tone[0][ear])
            stored += entry.spl > NotMeasuredLimit;
    EXPECT_EQ(stored, 22);
    EXPECT_EQ(status(0, TransducerKind::SupraAural), qint16(TestStatus::Fail));
    for (int tab : {0, 1}) {
        const ResultList& list = sheet->measurementPage(tab)->list();
        const qsizetype failing = std::count_if(list.rows.begin(), list.rows.end(), [](const ResultRow& row) {
            return std::abs(row.cells[3].toDouble()) > 3.0;
        });
        EXPECT_EQ(failing, 1);
    }
    EXPECT_TRUE(sheet->changed());
    EXPECT_TRUE(t.messages.texts().isEmpty());
}

TEST_F(TestSheet, ExactAudiometerPassesTheTest) {
    for (int tab : {0, 1}) {
        sheet->setActivePage(tab);
        sheet->measureAll();
    }
    sheet->takeDataBack();
    EXPECT_EQ(status(0, TransducerKind::SupraAural), qint16(TestStatus::Pass));
}

TEST_F(TestSheet, TransducerListsFollowTheTest) {
    sheet->chooseTest(1);
    EXPECT_EQ(sheet->transducerNames(),
              (QStringList{"Supra-aural Earphone", "Insert Earphone", "Circumaural Earphone"}));
    sheet->chooseTransducer(1);
    EXPECT_EQ(sheet->transducer(), TransducerKind::Insert);
    EXPECT_EQ(simulator.meter().mode(), 1); // FFT, counted from 0 by the meter
    const bool adjust[TestCount] = {true, false, false, false, false, false, false, false, false, true, false};
    for (int test = 0; test < TestCount; ++test) {
        sheet->chooseTest(test);
        EXPECT_EQ(sheet->adjustVisible(), adjust[test]) << test;
        EXPECT_EQ(sheet->title(), sheet->testNames()[test]);
    }
}

TEST_F(TestSheet, NextTestStopsAtTheLastTest) {
    for (int test = 1; test < TestCount; ++test) {
        EXPECT_TRUE(sheet->nextTest());
        EXPECT_EQ(sheet->test(), test);
    }
    EXPECT_FALSE(sheet->nextTest());
    EXPECT_EQ(sheet->test(), TestCount - 1);
}

TEST_F(TestSheet, LaterTestsSayTheyAreNotAvailableAndMeasureNothing) {
    t.messages.answer("not available yet", MessageAnswer::Ok);
    sheet->chooseTest(10);
    const QByteArray before = QByteArray(reinterpret_cast<const char*>(&record.results), sizeof record.results);
    EXPECT_EQ(sheet->measureAll(), 0);
    EXPECT_EQ(t.messages.count("Speech Harmonic Distortion (Supra-aural Earphone): this measurement is not available yet."), 1);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(&record.results), sizeof record.results), before);
    EXPECT_TRUE(technician.followed().isEmpty());
}

TEST_F(TestSheet, SaveSettingsDecideWhatHappensOnATestChange) {
    const struct {
        int showDialog;
        int saveAfter;
        bool answer;
        int questions;
        int saves;
    } cases[] = {{1, 0, true, 1, 1}, {1, 1, false, 1, 0}, {0, 1, true, 0, 1}, {0, 0, true, 0, 0}};
    for (const auto& c : cases) {
        Setting::ShowSaveDialogAfterTest.write(t.settings, c.showDialog);
        Setting::SaveAfterTest.write(t.settings, c.saveAfter);
        answerSave = c.answer;
        saves = saveQuestions = 0;
        sheet->setConditions(23.0f, 1, 101.3f); // a change to save
        sheet->chooseTest((sheet->test() + 1) % TestCount);
        EXPECT_EQ(saveQuestions, c.questions) << c.showDialog << c.saveAfter;
        EXPECT_EQ(saves, c.saves) << c.showDialog << c.saveAfter;
        EXPECT_EQ(sheet->changed(), c.saves == 0) << c.showDialog << c.saveAfter;
        EXPECT_FLOAT_EQ(record.setup.temperature, 23.0f); // kept in memory either way
    }
}

TEST_F(TestSheet, InstrumentLabels) {
    setFixedText(record.setup.supraAural.rightSerial, QString());
    EXPECT_EQ(sheet->instrumentLabel(), QStringLiteral("%1 Earphones Left L-100 Right [not selected], RKC310 Coupler, "
                                                       "Mic 55103")
                                            .arg(fixedText(record.setup.supraAural.model)));
    record.setup.fmRate = 5.0f;
    record.setup.fmDeviation = 10.0f;
    sheet->chooseTest(6);
    EXPECT_TRUE(sheet->instrumentLabel().endsWith(", Rate 5.0 Hz, Dev. 10.0 %"))
        << sheet->instrumentLabel().toStdString();
    sheet->chooseTest(7);
    sheet->chooseTransducer(1);
    EXPECT_EQ(sheet->instrumentLabel(), "Left Speaker SPL-1, Right Speaker SPR-1, Mic 55103");
}

TEST(SheetClock, DateAndTimeLabels) {
    EXPECT_EQ(sheetDateLabel(QDate(2026, 3, 7)), "03/07/2026");
    const struct {
        int hour;
        int minute;
        const char* label;
    } cases[] = {{0, 5, "12:05 AM"}, {9, 30, "09:30 AM"}, {12, 0, "12:00 PM"}, {23, 59, "11:59 PM"}};
    for (const auto& c : cases)
        EXPECT_EQ(sheetTimeLabel(QTime(c.hour, c.minute)), c.label);
}

// With the maker's own mastoid the conditions are asked before the first run of the session and then not again,
// by this sheet or the next; a cancel there starts nothing. Another maker's mastoid needs no conditions.
TEST_F(TestSheet, ConditionsAreAskedOnceASessionWithTheMakersMastoid) {
    const struct {
        const char* mastoidMaker;
        QList<bool> answers; // the technician's OK (true) or Cancel, in turn
        QList<int> statuses; // of three runs
        int asked;
    } cases[] = {
        {"Veltan Quirn", {false, true}, {Status::Cancelled, 0, 0}, 2},
        {"Bruel", {}, {0, 0, 0}, 0},
    };
    for (const auto& c : cases) {
        setFixedText(record.setup.instruments.mastoid.identity.manufacturer, QString::fromLatin1(c.mastoidMaker));
        record.setup.temperature = 0.0f;
        sheet = std::make_unique<TestSheetController>(record, *link, nullptr, nullptr);
        bool sessionAsked = false;
        QList<bool> answers = c.answers;
        int asked = 0;
        const auto useQuestion = [&](TestSheetController& controller) {
            controller.conditions = {.ask =
                                         [&](TestSetup& setup) {
                                             ++asked;
                                             if (answers.isEmpty() || !answers.takeFirst())
                                                 return false;
                                             setup.temperature = 21.5f;
                                             return true;
                                         },
                                     .asked = [&] { return sessionAsked; },
                                     .markAsked = [&] { sessionAsked = true; }};
        };
        useQuestion(*sheet);
        EXPECT_EQ(sheet->measureSelected({}), c.statuses[0]) << c.mastoidMaker;
        EXPECT_EQ(sheet->changed(), c.asked == 0) << c.mastoidMaker << ": a cancelled question starts no run";
        EXPECT_EQ(sheet->measureSelected({}), c.statuses[1]) << c.mastoidMaker;
        EXPECT_TRUE(sheet->changed()) << c.mastoidMaker;
        EXPECT_EQ(record.setup.temperature, c.asked ? 21.5f : 0.0f) << c.mastoidMaker;

        TestSheetController next(record, *link, nullptr, nullptr);
        useQuestion(next);
        EXPECT_EQ(next.measureSelected({}), c.statuses[2]) << c.mastoidMaker;
        EXPECT_EQ(asked, c.asked) << c.mastoidMaker;
    }
}
