#include "SimBench.h"
#include "core/Settings.h"
#include "measure/LinearityList.h"
#include "measure/LinearityMeasurement.h"

#include <gtest/gtest.h>

using namespace orvik;
using namespace orvik::test;

namespace {
const QString NoiseFloorPrompt = QStringLiteral("Noise Floor: Set Minimum dBHL Left at 1000.0 Hz");

QString levelPrompt(int level) {
    return QStringLiteral("Set %1 dBHL Left at 1000.0 Hz").arg(level);
}

struct LinearityRun : ::testing::Test, SimBench {
    void SetUp() override { ASSERT_TRUE(connect()); }
    LinearityBlock& stored() { return record.results.linearity[0][0]; }
    // A record that already knows the noise floor, so that an ascending run starts above it.
    void storeNoiseFloor(float noiseFloor, int maxLevel, int step) {
        stored().testFrequency = 1000.0f;
        stored().noiseFloor = noiseFloor;
        stored().maxDialLevel = qint16(maxLevel);
        stored().dialStep = qint16(step);
    }
    LinearityMeasurement page() { return {record, *link, TransducerKind::SupraAural, Channel::Left}; }
    void addFault(const QString& text) {
        QString error;
        audiometer().faults << *sim::parseAudiometerFault(text, error);
    }
    static const ResultRow& rowOf(const ResultList& list, int level) {
        return list.rows[std::max(0, linearityLevelRow(list, level))];
    }
};
} // namespace

// The usual run: from 100 dB HL down 5 dB a level at the working gain, at the sensitive gain below 40 dB HL, and the
// noise floor at the end, whose truncated value ends the list.
TEST_F(LinearityRun, DescendingRunEndsOnTheNoiseFloorAndPasses) {
    LinearityMeasurement p = page();
    EXPECT_EQ(p.measureAll(), 0);
    QStringList expected;
    for (int level = 100; level >= 0; level -= 5)
        expected << levelPrompt(level);
    EXPECT_EQ(technician.followed(), expected + QStringList{NoiseFloorPrompt});
    EXPECT_TRUE(log.commands.contains("S 148,5"));
    EXPECT_EQ(p.takeDataBack(), PageVerdict::AllPass) << p.list().rows.size();
    EXPECT_TRUE(p.noiseFloorMeasured());
    EXPECT_EQ(p.list().rows.size(), (100 - (truncatedNoiseFloor(stored().noiseFloor) + 4) / 5 * 5) / 5 + 2);
    EXPECT_TRUE(t.messages.texts().isEmpty()) << t.messages.texts().join('\n').toStdString();
}

TEST_F(LinearityRun, AscendingRunGoesFromAboveTheNoiseFloorToTheMaximum) {
    storeNoiseFloor(22.4f, 100, 5);
    Setting::LinDirection.write(t.settings, int(LinearityDirection::Up));
    LinearityMeasurement p = page();
    EXPECT_EQ(p.measureAll(), 0);
    QStringList expected;
    for (int level = 25; level <= 100; level += 5)
        expected << levelPrompt(level);
    EXPECT_EQ(technician.followed(), expected);
    EXPECT_EQ(p.takeDataBack(), PageVerdict::AllPass);
}

// An attenuator 0.15 dB off at one level of 2 dB steps stays inside the ±0.3 dB tolerance; 0.45 dB fails the steps
// into and out of that level, not its hearing level.
TEST_F(LinearityRun, AttenuatorErrorAtOneLevelFailsTheStepsAroundIt) {
    const struct {
        const char* fault;
        bool fails;
    } cases[] = {{"level:supra:left:1000@46=0.15", false},
                 {"level:supra:left:1000@46=0.45", true},
                 {"level:supra:left:1000@46=-0.45", true},
                 {"level:supra:right:1000@46=0.45", false}};
    Setting::LinDirection.write(t.settings, int(LinearityDirection::Up));
    for (const auto& c : cases) {
        storeNoiseFloor(40.0f, 50, 2);
        audiometer().faults.clear();
        addFault(QLatin1String(c.fault));
        LinearityMeasurement p = page();
        EXPECT_EQ(p.measureAll(), 0) << c.fault;
        const ResultList& list = p.list();
        EXPECT_EQ(list.rows.size(), 6 + 1) << c.fault << ": 40 dB HL is listed, on the noise floor";
        for (int level : {46, 48})
            EXPECT_EQ(rowOf(list, level).judgedValues[0].verdict, c.fails ? RowVerdict::Fail : RowVerdict::Pass)
                << c.fault << " @" << level;
        EXPECT_EQ(rowOf(list, 46).judgedValues[1].verdict, RowVerdict::Pass) << c.fault;
        EXPECT_EQ(rowOf(list, 44).verdict, RowVerdict::Pass) << c.fault;
        EXPECT_EQ(p.verdict(), c.fails ? PageVerdict::AnyFails : PageVerdict::AllPass) << c.fault;
    }
}

// A loud residual lifts the low levels at the sensitive gain; once a step strays the floor is measured and the
// descent stops 5 dB above it.
TEST_F(LinearityRun, StrayingStepBelow40DecibelsMeasuresTheFloorAndStopsAboveIt) {
    addFault(QStringLiteral("noise:supra:left=45"));
    LinearityMeasurement p = page();
    EXPECT_EQ(p.measureAll(), 0);
    const QStringList& followed = technician.followed();
    ASSERT_GE(followed.size(), 2);
    EXPECT_EQ(followed.count(NoiseFloorPrompt), 1);
    EXPECT_EQ(followed.last(), NoiseFloorPrompt);
    const int lastLevel = followed[followed.size() - 2].section(u' ', 1, 1).toInt();
    EXPECT_LT(lastLevel, 40) << "the floor shows at the sensitive gain";
    EXPECT_LT(lastLevel - 5, p.block().noiseFloor + 5.0f) << followed.join('\n').toStdString();
    EXPECT_GT(lastLevel, 5) << "the descent stopped above the floor";
}

TEST_F(LinearityRun, UnstableLevelIsToldAndTheRunGoesOn) {
    storeNoiseFloor(40.0f, 50, 2);
    Setting::LinDirection.write(t.settings, int(LinearityDirection::Up));
    t.clock.onPump([this] { simulator.meter().behaviour().neverStable = audiometer().dialHl == 46; });
    t.messages.answer(QStringLiteral("Failed to get a good reading after 5 tries."), MessageAnswer::Ok, 1);
    LinearityMeasurement p = page();
    EXPECT_GE(p.measureAll(), 0);
    EXPECT_EQ(
        t.messages.count(QStringLiteral("Failed to get a good reading after 5 tries.\n Proceeding to next level.")), 1);
    EXPECT_EQ(p.block().spl[46], LinearityUnstable);
    EXPECT_EQ(rowOf(p.list(), 48).cells[4], "2.0") << "nothing to step from";
    EXPECT_TRUE(hasLinearityReading(p.block().spl[50]));
}

// Auto goes down like Down but leaves out the levels that already read well: a stopped run is finished.
TEST_F(LinearityRun, AutoFinishesAStoppedDescent) {
    technician.answering = sim::PromptAnswering::Shown;
    t.messages.answer(QStringLiteral("dBHL Left at"), MessageAnswer::Ok, 3);
    t.messages.answer(QStringLiteral("dBHL Left at"), MessageAnswer::Cancel, 1);
    LinearityMeasurement p = page();
    EXPECT_EQ(p.measureAll(), Status::Cancelled);
    EXPECT_TRUE(hasLinearityReading(p.block().spl[90]));
    EXPECT_EQ(p.block().spl[85], 0.0f);
    technician.answering = sim::PromptAnswering::Automatic;
    p.setDirection(LinearityDirection::Auto);
    EXPECT_EQ(Setting::LinDirection.read(t.settings), 0);
    EXPECT_EQ(p.measureAll(), 0);
    EXPECT_EQ(technician.followed().mid(3, 2), QStringList({levelPrompt(85), levelPrompt(80)}));
}

TEST_F(LinearityRun, MeasureSelectedTakesTheRowsLevelOrTheNoiseFloor) {
    LinearityMeasurement p = page();
    p.fillList();
    EXPECT_EQ(p.measureSelected({2, 5}), 0);
    EXPECT_EQ(p.measureSelected({int(p.list().rows.size()) - 1}), 0);
    EXPECT_EQ(technician.followed(), QStringList({levelPrompt(90), NoiseFloorPrompt}));
    EXPECT_TRUE(hasLinearityReading(p.block().spl[90]));
    EXPECT_TRUE(p.noiseFloorMeasured());
}

TEST_F(LinearityRun, InputsClampAndDecideWhatHappensToTheReadings) {
    storeNoiseFloor(12.5f, 100, 5);
    stored().spl[60] = 67.0f;
    LinearityMeasurement p = page();
    p.setMaxDialLevel(150);
    EXPECT_EQ(p.maxDialLevel(), 140);
    EXPECT_EQ(p.block().spl[60], 0.0f);
    EXPECT_EQ(p.block().noiseFloor, 12.5f) << "the floor does not depend on the maximum";
    p.setMaxDialLevel(-3);
    EXPECT_EQ(p.maxDialLevel(), 100);

    t.messages.answer(QStringLiteral("Use old data (Yes) or clear the readings (No)?"), MessageAnswer::Yes, 1);
    p.setTestFrequency(freqIndexOf(1000.0f));
    EXPECT_EQ(p.block().spl[60], 67.0f);
    p.setTestFrequency(freqIndexOf(2000.0f));
    EXPECT_EQ(p.block().spl[60], 0.0f);
    EXPECT_FALSE(p.noiseFloorMeasured());
    t.messages.answer(QStringLiteral("Use old data"), MessageAnswer::No, 1);
    p.setTestFrequency(freqIndexOf(1000.0f));
    EXPECT_EQ(p.block().spl[60], 0.0f);
    EXPECT_EQ(t.messages.count(QStringLiteral("Use old data")), 2);
}
