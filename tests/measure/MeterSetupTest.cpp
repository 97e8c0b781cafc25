#include "measure/MeterSetup.h"
#include "RecordingProgress.h"
#include "SimBench.h"

#include <gtest/gtest.h>

using namespace orvik;
using namespace orvik::test;

namespace {
struct MeterSetup : ::testing::Test, SimBench {
    void SetUp() override { ASSERT_TRUE(connect()); }
    QByteArrayList sentSince(qsizetype from) const { return log.commands.mid(from); }
    static bool isSetting(const QByteArray& command) { return command.startsWith('S') || command.startsWith("M4"); }
};
} // namespace

TEST_F(MeterSetup, LoadsTheAudiometerApplicationThenLeavesARightMeterAlone) {
    ASSERT_EQ(simulator.meter().instrument(), 1);
    EXPECT_TRUE(ensureMeterMode(*link, MeterMode::SlmRta, 0, true));
    EXPECT_EQ(simulator.meter().instrument(), 7);
    EXPECT_EQ(simulator.meter().weighting(), 2);

    const qsizetype before = log.commands.size();
    EXPECT_TRUE(ensureMeterMode(*link, MeterMode::SlmRta, 0, true));
    const QByteArrayList sent = sentSince(before);
    EXPECT_TRUE(std::none_of(sent.begin(), sent.end(), isSetting)) << sent.join(' ').toStdString();
    EXPECT_TRUE(t.messages.texts().isEmpty());
}

TEST_F(MeterSetup, ModeAndWeightingFollowTheVariant) {
    const struct {
        MeterMode mode;
        int variant;
        int meterMode; // the meter's own numbering from 0
        int weighting;
    } cases[] = {{MeterMode::Fft, 1, 1, 2}, {MeterMode::SlmRta, 9, 0, 1}, {MeterMode::PulseFm, 6, 2, -1}};
    for (const auto& c : cases) {
        EXPECT_TRUE(ensureMeterMode(*link, c.mode, c.variant, true)) << c.variant;
        EXPECT_EQ(simulator.meter().mode(), c.meterMode) << c.variant;
        if (c.weighting >= 0) {
            EXPECT_EQ(simulator.meter().weighting(), c.weighting) << c.variant;
        }
        EXPECT_TRUE(simulator.meter().runState(t.clock.milliseconds()) != sim::K37Meter::RunState::Stopped);
    }
}

TEST_F(MeterSetup, GainChangeWarnsOfTheLongWaitOnlyAcrossTheRanges) {
    ASSERT_EQ(setMeterGain(*link, 1, nullptr), 0);
    const struct {
        int gain;
        bool warns;
    } cases[] = {{2, true}, {3, false}, {3, false}};
    for (const auto& c : cases) {
        RecordingProgress progress;
        auto window = progress.open(ProgressCaption::SetGain);
        EXPECT_GE(setMeterGain(*link, c.gain, window.get()), 0);
        EXPECT_EQ(simulator.meter().gainSetting(), c.gain);
        EXPECT_EQ(progress.statusTexts.join('|').contains("This may take up to 45 seconds."), c.warns) << c.gain;
    }
}

TEST_F(MeterSetup, GainAlreadySetSendsNothing) {
    int gain = 0;
    ASSERT_GE(queryMeterGain(*session.commander(), gain), 0);
    const qsizetype before = log.commands.size();
    EXPECT_EQ(setMeterGain(*link, gain, nullptr), 0);
    EXPECT_EQ(sentSince(before), QByteArrayList{"Q148,32"});
}

TEST_F(MeterSetup, TransducerSettingFollowsTheMicrophone) {
    EXPECT_EQ(transducerSettingFor("R58213"), 1);
    EXPECT_EQ(transducerSettingFor("R5813"), 1);
    EXPECT_EQ(transducerSettingFor("R582131"), 0);
    EXPECT_EQ(transducerSettingFor("377B13"), 0);
    RecordingProgress progress;
    const auto window = progress.open(ProgressCaption::Measurement);
    EXPECT_GE(matchMeterTransducer(*link, "R58213", *window), 0);
    EXPECT_EQ(simulator.meter().transducerSetting(), 1);
    const qsizetype before = log.commands.size();
    EXPECT_GE(matchMeterTransducer(*link, "R58213", *window), 0);
    EXPECT_EQ(sentSince(before), QByteArrayList{"Q 51,32"});
}

TEST_F(MeterSetup, FftBandwidthSwitchesAtTheThreshold) {
    ASSERT_TRUE(ensureMeterMode(*link, MeterMode::Fft, 1, true));
    const struct {
        int index;
        int bandwidth;
    } cases[] = {{FrequencyBandwidthThreshold, 6}, {FrequencyBandwidthThreshold - 1, 3}, {38, 6}};
    for (const auto& c : cases) {
        EXPECT_EQ(setFftBandwidth(*link, c.index, FrequencyBandwidthThreshold, nullptr), 0);
        EXPECT_EQ(simulator.meter().bandwidth(), c.bandwidth) << c.index;
    }
}

TEST_F(MeterSetup, LostMeterEndsTheModeCheckWhenTheTechnicianGivesUp) {
    factory.setMeterPort(-1);
    simulator.meter().profile().neverReady = true;
    session.port()->close();
    t.messages.answer("An Error occurred in the port connection to the K37", MessageAnswer::Cancel);
    EXPECT_FALSE(ensureMeterMode(*link, MeterMode::SlmRta, 0, true));
    EXPECT_GE(t.messages.count("An Error occurred in the port connection to the K37"), 1);
}
