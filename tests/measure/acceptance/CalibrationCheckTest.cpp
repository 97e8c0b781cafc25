#include "SimBench.h"
#include "core/Settings.h"
#include "measure/MeterCalibrationCheck.h"
#include "measure/MeterSetup.h"

#include <gtest/gtest.h>

using namespace orvik;
using namespace orvik::test;

TEST(CalibrationLevel, Q41ReplyBounds) {
    const struct {
        const char* reply;
        double level;
    } cases[] = {{"85.9", 114.0}, {"86.0", 86.0}, {"120.0", 120.0}, {"120.1", 114.0}, {"", 114.0}, {"94.0", 94.0}};
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(initialCalibrationLevel(c.reply), c.level) << c.reply;
}

TEST(CalibrationLevel, CalibratorFrequencyIndex) {
    const struct {
        double hz;
        float index;
    } cases[] = {{1000, 1000}, {1010, 1000}, {1025, 1000}, {1026, 1250}, {250, 250}, {20000, 20000}, {25000, 20000}};
    for (const auto& c : cases)
        EXPECT_EQ(calibratorFrequencyIndex(c.hz), freqIndexOf(c.index)) << c.hz;
}

namespace {
// The calibration needs readings within 0.05 dB: the meter reads without noise.
struct CalibrationCheck : ::testing::Test, SimBench {
    CalibrationCheck() : SimBench(sim::AnalyserBehaviour::steady()) {}
    std::unique_ptr<MeterCalibrationCheck> dialog;
    void SetUp() override {
        ASSERT_TRUE(connect());
        simulator.scene().calibrator().spl = 114.0;
        simulator.meter().profile().calibrationLevelDb = 94.0;
        dialog = std::make_unique<MeterCalibrationCheck>(
            *link,
            QList<CalibrationInstrument>{{"Veltan Quirn", "CAL200", "9031", 1000.0, 114.0},
                                         {"Veltan Quirn", "CAL250", "9044", 250.0, 94.0}},
            QList<CalibrationInstrument>{{"Veltan Quirn", "377B02", "55103"}});
    }
    int gain() { return simulator.meter().gainSetting(); }
};
} // namespace

TEST_F(CalibrationCheck, OpensOnTheRememberedCalibratorOrTheFirst) {
    ASSERT_TRUE(dialog->open());
    EXPECT_EQ(dialog->calibratorRow(), 0);
    EXPECT_EQ(Setting::SnLastCalibrator.read(t.settings), "9031 (CAL200)");
    EXPECT_EQ(Setting::SnLastMike.read(t.settings), "55103 (377B02)");
    EXPECT_TRUE(dialog->timerRunning());

    Setting::SnLastCalibrator.write(t.settings, "9044 (CAL250)");
    ASSERT_TRUE(dialog->open());
    EXPECT_EQ(dialog->calibratorRow(), 1);
    EXPECT_EQ(dialog->frequencyIndex(), freqIndexOf(250.f));
    EXPECT_EQ(dialog->calibratorLevelText(), "94.0");
}

TEST_F(CalibrationCheck, TickShowsTheBandLevelAndItsDifference) {
    simulator.meter().behaviour().sensitivityErrorDb = 0.7;
    ASSERT_TRUE(dialog->open());
    simulator.scene().calibrator().active = true;
    simulator.scene().touch();
    t.clock.advance(3000);
    dialog->tick();
    EXPECT_EQ(dialog->differenceText(), "+0.7");
    EXPECT_EQ(dialog->measuredText(), "114.7");
}

TEST_F(CalibrationCheck, SetCalibrationCorrectsTheOffsetAndRestoresTheLevel) {
    simulator.meter().behaviour().sensitivityErrorDb = 0.7;
    ASSERT_TRUE(dialog->open());
    ASSERT_EQ(setMeterGain(*link, 3, nullptr), 0);
    dialog->setCalibration();
    EXPECT_NEAR(simulator.meter().calibrationOffset(), -0.7, 0.06);
    EXPECT_DOUBLE_EQ(simulator.meter().calibrationLevel(), 94.0);
    EXPECT_EQ(gain(), 3);
    EXPECT_TRUE(dialog->buttonsEnabled());
    EXPECT_TRUE(t.messages.texts().isEmpty()) << t.messages.texts().join('\n').toStdString();
}

TEST_F(CalibrationCheck, EveryFailingStepRestoresWhatWasChanged) {
    const struct {
        const char* command;
        const char* message;
        bool levelRead;
    } cases[] = {
        {"S1,1", "Unable to reset the K37 (error", false},
        {"Q41", "Unable to Retrieve the original calibration Level on the K37 (error", false},
        {"S41,2", "Unable to set the calibration key on the K37 (error", true},
        {"S227", "Unable to send the new calibration offset to the K37 \n(error", true},
        {"S230", "Unable to set the bias offset on the K37 (error", true},
    };
    ASSERT_TRUE(dialog->open());
    for (const auto& c : cases) {
        ASSERT_EQ(setMeterGain(*link, 3, nullptr), 0);
        t.messages.clear();
        t.messages.answer(QString::fromLatin1(c.message), MessageAnswer::Ok, 1);
        const qsizetype before = log.commands.size();
        simulator.wire().faults().onlyFor = c.command;
        simulator.wire().faults().noReply = -1;
        dialog->setCalibration();
        simulator.wire().faults().noReply = 0;
        EXPECT_EQ(t.messages.count(QString::fromLatin1(c.message)), 1) << c.command;
        EXPECT_EQ(gain(), 3) << c.command;
        EXPECT_DOUBLE_EQ(simulator.meter().calibrationLevel(), 94.0) << c.command;
        const QByteArrayList sent = log.commands.mid(before);
        EXPECT_EQ(sent.contains("S41,94.00"), c.levelRead) << c.command;
        EXPECT_TRUE(simulator.meter().runState(t.clock.milliseconds()) == sim::K37Meter::RunState::Running)
            << c.command;
    }
}

TEST_F(CalibrationCheck, StopAtTheGainStepLeavesTheLevelAlone) {
    ASSERT_TRUE(dialog->open());
    ASSERT_EQ(setMeterGain(*link, 0, nullptr), 0);
    t.progress.cancelAtCheck(t.progress.checks + 1);
    const qsizetype before = log.commands.size();
    dialog->setCalibration();
    const QByteArrayList sent = log.commands.mid(before);
    EXPECT_FALSE(
        std::any_of(sent.begin(), sent.end(), [](const QByteArray& c) { return c.startsWith("S41") || c == "Q41"; }));
    EXPECT_EQ(gain(), 0);
}
