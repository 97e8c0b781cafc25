#include "SimHost.h"
#include "sim/MeterErrors.h"

#include <gtest/gtest.h>

using namespace orvik::sim;
using orvik::sim::test::SimHost;

namespace {

// Loads the audiometer application the way the program does and leaves the meter reset (' O').
void loadAud(SimHost& host) {
    ASSERT_EQ(host.exchange("&I2,AudTest.AUD", 8000), "");
    ASSERT_EQ(host.exchange("M9,1"), "");
}

// Starts the meter and lets it settle, as the program's wait for the meter does.
void runUntilReady(SimHost& host) {
    host.exchange("M3");
    for (int poll = 0; poll < 60 && host.exchange("R 3,1") != " R"; ++poll)
        host.wait(1000);
}

TEST(MeterState, LoadingAnApplicationTakesTimeAndResetsTheMeter) {
    SimHost host;
    host.device.write("&I2,AudTest.AUD" + QByteArray(1, commandChecksum("&I2,AudTest.AUD")) + "\r\n");
    host.wait(2000);
    EXPECT_EQ(host.device.rxCount(), 0) << "the reply comes once the file is loaded";
    host.wait(600);
    EXPECT_GT(host.device.rxCount(), 0);
    EXPECT_EQ(host.exchange("R180"), "AUD AudTest.AUD");
    EXPECT_EQ(host.exchange("R 3,1"), " O");
    EXPECT_EQ(host.exchange("Q143"), "SLM/RTA");
    EXPECT_EQ(host.exchange("&I2,Nothing.XYZ"), meter_error::FileNotFound);
}

TEST(MeterState, RunStopAndResetShowInTheRunState) {
    SimHost host;
    host.exchange("M3");
    EXPECT_EQ(host.exchange("R 3,1"), " W") << "starting";
    host.wait(500);
    EXPECT_EQ(host.exchange("R 3,1"), " R");
    host.exchange("M3"); // asking a running meter to run changes nothing
    EXPECT_EQ(host.exchange("R 3,1"), " R");
    host.exchange("M4");
    EXPECT_EQ(host.exchange("R 3,1"), " S");
    host.exchange("M5");
    host.wait(600);
    EXPECT_EQ(host.exchange("R 3,1"), " V") << "the alternative run";
    host.exchange("S1,1");
    EXPECT_EQ(host.exchange("R 3,1"), " O");
    host.exchange("M3");
    host.wait(600);
    host.exchange("M7,1");
    EXPECT_EQ(host.exchange("R 3,1"), " O");
}

TEST(MeterState, SetUpCommandsAreRefusedWhileTheMeterRuns) {
    SimHost host;
    loadAud(host);
    runUntilReady(host);
    for (const char* command : {"S143,1", "S46,0", "S 148,5", "S 51,1", "S145,6", "S227,1.00"})
        EXPECT_EQ(host.exchange(command), meter_error::Running) << command;
    EXPECT_EQ(host.exchange("S2283,3"), "") << "the line settings are always taken";
}

TEST(MeterState, SettingsReadBackAsTheyWereSet) {
    SimHost host;
    loadAud(host);
    const struct {
        const char* set;
        const char* query;
        const char* reply;
    } table[] = {
        {"S143,1", "Q143", "FFT"},       {"S143,2", "Q143", "Pulse/FM"},  {"S46,0", "Q46", "A"},
        {"S46,1", "Q46", "C"},           {"S147,0", "Q147", "RECT"},      {"S145,6", "Q145,32", "6"},
        {"S 148,5", "Q148,32", "5"},     {"S 148,5", "Q148", "30"},       {"S 148,0", "Q148", "-20"},
        {"S 51,1", "Q 51,32", "1"},      {"S227, 0.35", "Q227", "0.35"},  {"S227,-1.20", "Q227", "-1.20"},
        {"S41,225.48", "Q41", "225.48"}, {"S41,114.00", "Q41", "114.00"},
    };
    for (const auto& row : table) {
        EXPECT_EQ(host.exchange(row.set), "") << row.set;
        EXPECT_EQ(host.exchange(row.query), QByteArray(row.reply)) << row.set;
    }
    for (const char* outOfRange : {"S145,7", "S 148,8", "S46,3", "S143,3", "S 51,2", "S46,x"})
        EXPECT_EQ(host.exchange(outOfRange), meter_error::OutOfRange) << outOfRange;
    for (const char* notAValue : {"S227,150.0", "S227,nan", "S227,-inf"})
        EXPECT_EQ(host.exchange(notAValue), meter_error::ValueNotAvailable) << notAValue;
    EXPECT_EQ(host.exchange("Q227"), "-1.20");
}

TEST(MeterState, AGainChangeAcrossRangesDelaysReadinessLongest) {
    struct Case {
        int from;
        int to;
        int settleMs;
    };
    const K37Profile profile;
    const Case cases[] = {{2, 3, profile.gainSettleMs},
                          {2, 1, profile.gainRangeSettleMs},
                          {5, 2, profile.gainSettleMs},
                          {0, 5, profile.gainRangeSettleMs}};
    for (const Case& c : cases) {
        SimHost host;
        host.exchange("S 148," + QByteArray::number(c.from));
        runUntilReady(host);
        host.exchange("M4");
        host.exchange("S 148," + QByteArray::number(c.to));
        host.exchange("M3");
        host.wait(c.settleMs - 100);
        EXPECT_EQ(host.exchange("R 3,1"), " W") << c.from << " to " << c.to;
        host.wait(150);
        EXPECT_EQ(host.exchange("R 3,1"), " R") << c.from << " to " << c.to;
    }
}

TEST(MeterState, KeysMoveTheDisplayCursorAndKeepTheMeterBusy) {
    SimHost host;
    host.exchange("K 8");
    host.exchange("K 8");
    EXPECT_NE(host.exchange("R155"), "8") << "busy while keys are pending";
    EXPECT_NE(host.exchange("R3,2").left(1), " ");
    host.wait(200);
    EXPECT_EQ(host.exchange("R155"), "8");
    EXPECT_EQ(host.exchange("R3,2"), " I");
    EXPECT_EQ(host.simulator.meter().cursorBand(), 2);
    host.exchange("k 7");
    EXPECT_EQ(host.simulator.meter().cursorBand(), 1);
    host.exchange("K 77777");
    EXPECT_EQ(host.simulator.meter().cursorBand(), 0);
    host.exchange("k 7");
    EXPECT_EQ(host.simulator.meter().cursorBand(), 0) << "the cursor stops at the first band";
    host.exchange("K 80");
    EXPECT_EQ(host.simulator.meter().pulseFmView(), 0);
    host.exchange("k 6608");
    EXPECT_EQ(host.simulator.meter().pulseFmView(), 2);
}

TEST(MeterState, ABaudChangeTakesEffectAfterItsReplyAndABreakUndoesIt) {
    SimHost host;
    EXPECT_EQ(host.exchange("S2283,4"), "") << "the reply still comes at 9600";
    EXPECT_EQ(host.simulator.meter().baudRate(), 19200);
    EXPECT_EQ(host.exchangeRaw("R1", 300).indexOf("Veltan"), -1) << "the old rate hears noise";
    host.device.setBaudRate(19200);
    EXPECT_EQ(host.exchange("S9,4"), "");
    EXPECT_EQ(host.simulator.meter().storedBaudCode(), 4);
    host.device.sendBreak(300);
    host.device.setBaudRate(9600);
    EXPECT_EQ(host.exchange("R1").left(6), "Veltan");
}

TEST(MeterState, PowerOffSilencesTheMeter) {
    SimHost host;
    EXPECT_EQ(host.exchange("M2"), "");
    EXPECT_TRUE(host.exchangeRaw("@", 3000).isEmpty());
    host.simulator.meter().powerOn();
    EXPECT_EQ(host.exchange("@"), "");
}

TEST(MeterState, BatteryAndPowerSourceFollowTheProfile) {
    const struct {
        double volts;
        bool external;
        const char* percent;
        const char* source;
        const char* supply;
    } table[] = {{6.0, false, "100", "BATT", "6.0"},
                 {4.4, false, "0", "BATT", "4.4"},
                 {5.2, false, "50", "BATT", "5.2"},
                 {5.2, true, "50", "EXT", "12.0"}};
    for (const auto& row : table) {
        K37Profile profile;
        profile.batteryVolts = row.volts;
        profile.externalPower = row.external;
        SimHost host(profile);
        EXPECT_EQ(host.exchange("R 86"), QByteArray(row.percent)) << row.volts;
        EXPECT_EQ(host.exchange("R 87"), QByteArray(row.source)) << row.volts;
        EXPECT_EQ(host.exchange("R 170"), QByteArray(row.supply)) << row.volts;
    }
}

} // namespace
