#include "ambient/AmbientTest.h"
#include "ambient/LevelPage.h"
#include "model/FixedText.h"
#include "sim/BoothNoise.h"

#include "SimBench.h"

#include <gtest/gtest.h>

namespace orvik {
namespace {

// The document's booth record and a database of booth names, in memory.
class MemoryBoothStore final : public BoothStore {
public:
    AmbientRecord record = clearedAmbientRecord();
    bool present = false;
    bool fromDatabase = false;
    QStringList storedNames;
    int stores = 0;

    AmbientRecord& boothRecord() override { return record; }
    bool boothPresent() const override { return present; }
    bool boothFromDatabase() const override { return fromDatabase; }
    std::optional<bool> boothNameUsed(const QString& name) override { return storedNames.contains(name); }
    StoreResult storeBooth(bool) override {
        ++stores;
        present = fromDatabase = true;
        return StoreResult::Stored;
    }
};

struct SaveCase {
    const char* name;
    const char* stored; // a name already in the database
    bool fromDatabase;
    const char* rule; // the question answered (empty: none)
    MessageAnswer answer;
    AmbientTest::SaveOutcome outcome;
    const char* message; // a fragment of the last text shown, empty when none
};

TEST(BoothSave, NameRules) {
    using O = AmbientTest::SaveOutcome;
    const SaveCase cases[] = {
        {"", "", false, "", MessageAnswer::Ok, O::NameRefused, "You must enter a booth test name."},
        {"Booth #2", "", false, "", MessageAnswer::Ok, O::NameRefused, "Illegal character in the test name."},
        {"A\"B", "", false, "", MessageAnswer::Ok, O::NameRefused, "Illegal character"},
        {"Room 4", "Room 4", false, "is already used", MessageAnswer::No, O::NameRefused, "\"Room 4\"\nis already"},
        {"Room 4", "Room 4", false, "is already used", MessageAnswer::Yes, O::Saved, "is already used"},
        {"Room 5", "", true, "overwrite previous Ambient", MessageAnswer::Cancel, O::Stopped, "Continue?"},
        {"Room 5", "", true, "overwrite previous Ambient", MessageAnswer::Yes, O::Saved, "Continue?"},
        {"Room 6", "", false, "", MessageAnswer::Ok, O::Saved, ""},
    };
    for (const SaveCase& c : cases) {
        SCOPED_TRACE(c.name);
        test::TestServices t;
        MemoryBoothStore store;
        store.fromDatabase = c.fromDatabase;
        store.storedNames << QString::fromLatin1(c.stored);
        if (*c.rule)
            t.messages.answer(QString::fromLatin1(c.rule), c.answer);
        t.messages.acknowledgeAll();
        AmbientTest test(store, InstrumentLists{}, t.services());
        int focused = 0;
        test.focusTestName = [&] { ++focused; };
        test.storePages = [&](AmbientRecord& r) { setFixedText(r.testName, QString::fromUtf8(c.name)); };
        test.pagesModified = [] { return true; };
        EXPECT_EQ(test.save(), c.outcome);
        EXPECT_EQ(focused, c.outcome == O::NameRefused ? 1 : 0);
        EXPECT_EQ(store.stores, c.outcome == O::Saved ? 1 : 0);
        EXPECT_EQ(fixedText(store.record.testName), c.outcome == O::Saved ? QString::fromUtf8(c.name) : QString());
        if (*c.message)
            EXPECT_TRUE(t.messages.texts().last().contains(QString::fromUtf8(c.message)));
        else
            EXPECT_TRUE(t.messages.texts().isEmpty());
    }
}

TEST(BoothSave, TheRecordsOwnNameIsNotLookedUpAgainAndUnchangedTestsAreNotSaved) {
    test::TestServices t;
    MemoryBoothStore store;
    store.present = true;
    setFixedText(store.record.testName, QStringLiteral("Room 4"));
    store.storedNames << QStringLiteral("Room 4");
    AmbientTest test(store, InstrumentLists{}, t.services());
    EXPECT_EQ(test.save(), AmbientTest::SaveOutcome::NothingToSave);
    test.pagesModified = [] { return true; };
    EXPECT_EQ(test.save(), AmbientTest::SaveOutcome::Saved); // no question: the scripted box would fail
}

// The demo booth on the simulated bench, ready to measure.
struct BoothBench : test::SimBench {
    BoothBench() {
        simulator.scene().boothNoise() = sim::demoBooth();
        simulator.scene().setMicrophoneInCoupler(false);
        setFixedText(store.record.testName, QStringLiteral("Before"));
        store.present = true;
        test::chooseInstruments(setup);
        test.working().soundLevelMeter = setup.instruments.soundLevelMeter;
        test.working().preamp = setup.instruments.preamp;
        test.working().microphone = setup.instruments.microphones[0];
    }
    TestSetup setup{};
    MemoryBoothStore store;
    AmbientTest test{store, InstrumentLists{}, t.services()};
};

TEST(BoothMeasurement, MeasuresTheBoothAndReplacesTheDocumentsRecordKeepingABackup) {
    BoothBench bench;
    ASSERT_TRUE(bench.connect());
    EXPECT_EQ(bench.test.measureAll(*bench.link), 0);

    EXPECT_TRUE(bench.log.commands.contains("Q227"));
    EXPECT_TRUE(bench.log.commands.contains("S 148,5"));
    EXPECT_EQ(bench.log.commands.count("&R1"), 5 + 10); // five agreeing readings, then the ten samples
    EXPECT_EQ(bench.t.progress.statusTexts.last(), QStringLiteral("Averaging: Sample 10 out of 10"));
    EXPECT_EQ(bench.t.progress.openWindows, 0);
    EXPECT_TRUE(bench.test.modified());
    EXPECT_EQ(fixedText(bench.test.backup().testName), QStringLiteral("Before"));
    EXPECT_EQ(fixedText(bench.store.record.microphone.identity.serialNumber), QStringLiteral("55103"));

    // Covered passes everywhere; not covered fails at the fan's 4000 Hz only.
    for (int range = 0; range < AnsiRangeCount; ++range) {
        for (const LevelRow& row : levelPageRows(bench.store.record, range, true)) {
            EXPECT_EQ(row.verdict, BandVerdict::Pass) << row.label.toStdString();
            EXPECT_EQ(row.notCoveredVerdict, row.label == QLatin1String("4000") ? BandVerdict::Fail : BandVerdict::Pass)
                << row.label.toStdString() << ' ' << row.measured;
        }
    }
}

TEST(BoothMeasurement, ACancelOrAMeterThatSendsNoSpectrumLeavesTheDocumentsRecordAlone) {
    for (const bool cancel : {true, false}) {
        SCOPED_TRACE(cancel ? "cancel" : "download");
        BoothBench bench;
        ASSERT_TRUE(bench.connect());
        if (cancel) {
            bench.t.progress.cancelAtCheck(4);
        } else {
            bench.simulator.wire().faults().noReply = -1;
            bench.simulator.wire().faults().onlyFor = "&R1";
            bench.t.messages.acknowledgeAll();
            bench.t.messages.answer(QStringLiteral("Could not download data"), MessageAnswer::Cancel);
            bench.t.messages.answer(QStringLiteral("Could not read the K37 data"), MessageAnswer::Cancel);
        }
        EXPECT_LT(bench.test.measureAll(*bench.link), 0);
        EXPECT_EQ(fixedText(bench.store.record.testName), QStringLiteral("Before"));
        EXPECT_EQ(bench.store.record.spectrum[19], AmbientNotMeasured);
        EXPECT_EQ(bench.test.working().spectrum[19], AmbientNotMeasured);
        EXPECT_EQ(bench.t.progress.openWindows, 0);
    }
}

} // namespace
} // namespace orvik
