// The bone vibrator and sound-field pages over the simulated K37: the dial prompts the technician follows, what
// is stored, and verdicts that pass and fail for the reason the limits give.
#include "SimBench.h"
#include "measure/BoneLevelMeasurement.h"
#include "measure/SoundFieldMeasurement.h"
#include "measure/TestSheetController.h"
#include "model/FixedText.h"
#include "sim/ModelMastoid.h"

#include <gtest/gtest.h>

using namespace orvik;
using namespace orvik::test;

namespace {
constexpr FreqIndex Hz1000 = 12, Hz2000 = 16, Hz4000 = 20, Hz5000 = 21, Hz6000 = 22;

struct Bench : SimBench {
    explicit Bench(sim::AnalyserBehaviour behaviour = {}) : SimBench(behaviour) {
        TestInstruments& instruments = record.setup.instruments;
        EmbeddedIdentity& mastoid = instruments.mastoid.identity;
        setFixedText(mastoid.dueDate, QStringLiteral("2027-06-30"));
        setFixedText(mastoid.manufacturer, QStringLiteral("Veltan Quirn"));
        setFixedText(mastoid.model, QStringLiteral("4930"));
        setFixedText(mastoid.serialNumber, QStringLiteral("M-7"));
        setFixedText(record.setup.boneVibrator.serialNumber, QStringLiteral("B-71"));
        record.setup.pressure = 760.0f;
        record.setup.temperature = 23.0f;
        simulator.scene().mastoidResponse() = sim::modelMastoidResponse(record.setup);
    }
    void fault(const char* text) {
        QString error;
        audiometer().faults << *sim::parseAudiometerFault(QString::fromLatin1(text), error);
    }
    static RowVerdict verdictAt(const Measurement& page, FreqIndex i) {
        for (const ResultRow& row : page.list().rows)
            if (row.frequency == i)
                return row.verdict;
        return RowVerdict::NotJudged;
    }
};

struct Run : ::testing::Test, Bench {
    void SetUp() override { ASSERT_TRUE(connect()); }
};
} // namespace

TEST_F(Run, BoneDeviationIsJudgedByTheLimitOfItsFrequency) {
    record.setup.frequencySelected[Hz5000] = 1;
    fault("level:bone::5000=-4.5");
    fault("level:bone::6000=-4.5");
    simulator.scene().placeTransducer(int(TransducerKind::BoneVibrator));
    BoneLevelMeasurement page(record, *link);
    page.loadInputs();
    EXPECT_EQ(page.measureAll(), 0);
    EXPECT_EQ(page.takeDataBack(), PageVerdict::AnyFails);
    EXPECT_EQ(verdictAt(page, Hz5000), RowVerdict::Fail);
    EXPECT_EQ(verdictAt(page, Hz6000), RowVerdict::Pass);
    EXPECT_EQ(verdictAt(page, Hz1000), RowVerdict::Pass);
    EXPECT_EQ(page.list().rows.size(), 11); // 250..8000 Hz of the defaults, and 5000 Hz
    EXPECT_EQ(technician.followed().front(), "Set 20 dBHL at 250.0 Hz");
    EXPECT_NEAR(record.results.boneLevel.forceLevel[Hz1000], 40 + 42.5, 0.3);
    EXPECT_TRUE(t.messages.texts().isEmpty());
}

// The mastoid chart of the record says 72.5 dB at 1000 Hz where the simulated one reads none: a force of 82.5 dB
// reads exactly 82.5 on a steady meter and leaves a force level of exactly 10.0.
TEST(BoneRun, ForceLevelOfExactlyTenIsTooLow) {
    Bench bench(sim::AnalyserBehaviour::steady());
    ASSERT_TRUE(bench.connect());
    std::fill(std::begin(bench.record.setup.frequencySelected), std::end(bench.record.setup.frequencySelected), 0);
    bench.record.setup.frequencySelected[Hz1000] = 1;
    bench.record.setup.instruments.mastoid.response[Hz1000] = 72.5f;
    bench.simulator.scene().boothNoise().fill(-100.0);
    bench.simulator.scene().placeTransducer(int(TransducerKind::BoneVibrator));
    bench.t.messages.answer("was too low", MessageAnswer::No);
    BoneLevelMeasurement page(bench.record, *bench.link);
    page.loadInputs();
    EXPECT_EQ(page.measureAll(), 0);
    ASSERT_EQ(bench.t.messages.texts().size(), 1);
    EXPECT_EQ(bench.t.messages.texts().front(),
              "Measured FL (10.0) was too low.\n\nWould you like to measure again at 1000 Hz?\n(Please check the "
              "audiometer to make sure the signal is on\nand that it is set to 40 dBHL at 1000.0 Hz.\nAlso check the "
              "K37 to make sure it is measuring data.)\n\nClick Yes to re-measure at this frequency.\nClick No to go "
              "on to the next frequency (if there is one).\nClick Cancel to cancel the measurement.");
    EXPECT_EQ(page.block().forceLevel[Hz1000], 0.0f);
}

TEST_F(Run, WarbleToneFourDecibelsLoudFailsMonoAndPassesBinaural) {
    fault("level:speaker:left:4000=4");
    simulator.scene().placeTransducer(int(TransducerKind::SoundField));
    const struct {
        Channel channel;
        const char* prompt;
        RowVerdict verdict;
    } cases[] = {
        {Channel::Left, "Set ***FM*** 70 dBHL Left at 4000 Hz", RowVerdict::Fail},
        {Channel::Both, "Set  ***FM*** 70 dBHL at 4000 Hz", RowVerdict::Pass},
    };
    for (const auto& c : cases) {
        SoundFieldMeasurement page(record, *link, c.channel, SoundFieldKind::WarbleTone);
        page.loadInputs();
        EXPECT_EQ(page.measureAll(), 0);
        page.takeDataBack();
        EXPECT_EQ(verdictAt(page, Hz4000), c.verdict) << c.prompt;
        EXPECT_EQ(verdictAt(page, Hz2000), RowVerdict::Pass) << c.prompt;
        EXPECT_TRUE(technician.followed().contains(QString::fromLatin1(c.prompt)));
    }
    EXPECT_NEAR(record.results.soundField[0][0].level[Hz4000], 70 - 4.5 + 4, 0.3);
    EXPECT_NEAR(record.results.soundField[0][2].level[Hz4000], 70 - 6.5 + 4, 0.3);
    EXPECT_EQ(record.results.soundField[0][2].binaural, 1);
}

TEST(SoundFieldRun, NarrowBandLimitsAreAsymmetric) {
    Bench bench(sim::AnalyserBehaviour::steady());
    ASSERT_TRUE(bench.connect());
    bench.fault("level:speaker:right:1000=5");
    bench.fault("level:speaker:right:2000=-3.1");
    bench.simulator.scene().placeTransducer(int(TransducerKind::SoundField));
    SoundFieldMeasurement page(bench.record, *bench.link, Channel::Right, SoundFieldKind::NarrowBand);
    page.loadInputs();
    EXPECT_EQ(page.measureAll(), 0);
    EXPECT_EQ(page.takeDataBack(), PageVerdict::AnyFails);
    EXPECT_EQ(Bench::verdictAt(page, Hz1000), RowVerdict::Pass);
    EXPECT_EQ(Bench::verdictAt(page, Hz2000), RowVerdict::Fail);
    for (const ResultRow& row : page.list().rows) {
        if (row.frequency == Hz2000)
            EXPECT_TRUE(row.cells[1].startsWith(u'(') && row.cells[1].endsWith(u')')) << row.cells[1].toStdString();
    }
    EXPECT_EQ(bench.technician.followed().front(), "Set NB 70 dBHL Right at 125 Hz");
}

// The input-level tab's edits reach the run without a "Save"; the bone page is the one that measures.
TEST_F(Run, SheetRunsTheBonePageAtTheEditedDialLevels) {
    TestSheetController sheet(record, *link, {}, [] { return false; });
    sheet.chooseTransducer(1);
    ASSERT_EQ(sheet.pages().size(), 2);
    ASSERT_NE(sheet.dialLevelPage(1), nullptr);
    sheet.dialLevelPage(1)->setAll(30);
    sheet.setActivePage(1);
    simulator.scene().placeTransducer(int(TransducerKind::BoneVibrator));
    EXPECT_EQ(sheet.measureAll(), 0);
    EXPECT_EQ(sheet.activePage(), 0);
    EXPECT_EQ(technician.followed().front(), "Set 30 dBHL at 250.0 Hz");
    sheet.takeDataBack();
    EXPECT_EQ(record.header.testStatus[0][int(TransducerKind::BoneVibrator)], qint16(TestStatus::Pass));
    EXPECT_EQ(record.results.boneLevel.dialHl[Hz1000], 30);
}
