#include "SimBench.h"
#include "measure/CrossTalkMeasurement.h"
#include "measure/PulseMeasurement.h"

#include <gtest/gtest.h>

using namespace orvik;
using namespace orvik::test;

namespace {
constexpr FreqIndex At1000 = freqIndexOf(1000.0f);

struct PulseCrossTalkRun : ::testing::Test, SimBench {
    void SetUp() override { ASSERT_TRUE(connect()); }
    PulseMeasurement pulsePage() { return {record, *link, TransducerKind::SupraAural, Channel::Left}; }
    CrossTalkMeasurement crossTalkPage() { return {record, *link, TransducerKind::SupraAural, Channel::Left}; }
};
} // namespace

TEST_F(PulseCrossTalkRun, PulsedToneIsTimedAndJudged) {
    audiometer().pulse.riseMs = 50.5;
    PulseMeasurement p = pulsePage();
    EXPECT_EQ(p.measureAll(), 0);
    EXPECT_EQ(technician.followed(), QStringList{"Set PULSED 110 dBHL (or max level) Left at 1000.0 Hz"});
    EXPECT_EQ(p.takeDataBack(), PageVerdict::AnyFails);
    const PulseBlock& stored = record.results.pulse[0];
    EXPECT_NEAR(stored.riseTime, 50.5, 0.5);
    EXPECT_NEAR(stored.onTime, 225.0, 0.5);
    EXPECT_GT(stored.level2, NotMeasuredLimit);
    EXPECT_EQ(p.list().rows.front().cells[1], QStringLiteral("(%1)").arg(stored.riseTime, 0, 'f', 1));
    EXPECT_TRUE(t.messages.texts().isEmpty()) << t.messages.texts().join('\n').toStdString();
}

// A steady tone where a pulse was asked for: the analysis never finds a pulse, and the page gives up after fifty
// replies two seconds apart instead of waiting for ever.
TEST_F(PulseCrossTalkRun, SteadyToneIsNoPulseAndEndsAfterFiftyReplies) {
    t.clock.onPump([this] {
        if (audiometer().signal == sim::SignalType::Pulsed)
            audiometer().signal = sim::SignalType::Tone;
    });
    t.messages.acknowledgeAll();
    PulseMeasurement p = pulsePage();
    const qint64 start = t.clock.milliseconds();
    EXPECT_LT(p.measureAll(), 0);
    EXPECT_EQ(t.messages.texts(), QStringList{"Failed to read the pulse after 50 tries"});
    EXPECT_GE(t.clock.milliseconds() - start, 49 * 2000);
    EXPECT_EQ(p.block().level2, 0.0f) << "nothing stored";
}

TEST_F(PulseCrossTalkRun, PulseIsNotOfferedWithout1000Hz) {
    record.setup.frequencySelected[At1000] = 0;
    PulseMeasurement p = pulsePage();
    EXPECT_EQ(p.measureAll(), 0);
    EXPECT_TRUE(technician.followed().isEmpty());
    EXPECT_TRUE(p.list().rows.isEmpty());
}

TEST_F(PulseCrossTalkRun, FivePlacementsMeasureLeakAndResidual) {
    audiometer().crossTalkAttenuationDb = 50.0;
    CrossTalkMeasurement p = crossTalkPage();
    EXPECT_EQ(p.measureAll(), 0);
    ASSERT_EQ(technician.followed().size(), 5);
    EXPECT_EQ(technician.followed()[2], "Left Earphone placed on coupler : 1000.0 Hz 80 dBHL\nRight Earphone(away from "
                                        "coupler): Tone ON\nLeft Earphone: Tone OFF");
    EXPECT_EQ(p.takeDataBack(), PageVerdict::AnyFails);
    const CrossTalkBlock& stored = record.results.crossTalk[0];
    EXPECT_EQ(stored.testFrequency, 1000.0f);
    EXPECT_EQ(stored.toneOffMarker, CrossTalkToneOffMeasured);
    EXPECT_NEAR(stored.leftToneOn - stored.leftWithRightOn, 50.0, 0.5);
    EXPECT_NEAR(stored.rightToneOn - stored.rightWithLeftOn, 50.0, 0.5);
    EXPECT_EQ(p.list().rows[0].verdict, RowVerdict::Fail);
    EXPECT_EQ(p.list().rows[2].verdict, RowVerdict::Pass) << "the residual is not the fault";
}

TEST_F(PulseCrossTalkRun, CancelledPlacementKeepsTheEarlierOnes) {
    technician.answering = sim::PromptAnswering::Shown;
    t.messages.answer("Earphone placed on coupler", MessageAnswer::Ok, 2);
    t.messages.answer("Earphone placed on coupler", MessageAnswer::Cancel, 1);
    CrossTalkMeasurement p = crossTalkPage();
    EXPECT_EQ(p.measureAll(), Status::Cancelled);
    EXPECT_GT(p.block().toneOff, 0.0f);
    EXPECT_GT(p.block().leftToneOn, NotMeasuredLimit);
    EXPECT_EQ(p.block().leftWithRightOn, 0.0f);
    EXPECT_EQ(p.list().rows[1].cells[1], "----");
    EXPECT_EQ(p.list().rows[2].verdict, RowVerdict::Pass);
}
