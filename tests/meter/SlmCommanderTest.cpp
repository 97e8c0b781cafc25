#include "MeterTestLink.h"
#include "meter/MeterProtocol.h"

#include <gtest/gtest.h>

using namespace orvik;
using namespace orvik::test;

namespace {
struct Commander : ::testing::Test, MeterTestLink {
    // Replies to `command` with a wrong checksum `wrong` times, then with the right one.
    void garble(int wrong) {
        device.responder = [this, wrong, count = 0](const QByteArray& line) mutable {
            const QByteArray good = meterReply(line, "2.105");
            if (count++ >= wrong)
                return good;
            QByteArray bad = good;
            bad[bad.size() - 3] = char(bad[bad.size() - 3] ^ 1);
            return bad;
        };
    }
};
} // namespace

// A '%' checksum goes out as exactly one percent sign.
TEST_F(Commander, LineOnTheWireIsTextChecksumCrLf) {
    for (const char* command : {"R1", "@", "R 3"})
        ASSERT_EQ(commander.sendCommand(command), 0) << command;
    EXPECT_EQ(device.written, "R1C\r\n@@\r\nR 3%\r\n");
}

TEST_F(Commander, WrongChecksumIsRetriedUpToSixAttempts) {
    const struct {
        int wrong;
        int result;
        int attempts;
    } cases[] = {{5, 0, 6}, {6, Status::ChecksumNeverMatched, 6}, {0, 0, 1}};
    for (const auto& c : cases) {
        device.lines.clear();
        garble(c.wrong);
        QByteArray reply;
        EXPECT_EQ(commander.sendCommand("R90", &reply, 50, 1), c.result) << c.wrong;
        EXPECT_EQ(device.lines.size(), c.attempts) << c.wrong;
        if (c.result == 0) {
            EXPECT_EQ(reply, "2.105");
        }
    }
}

TEST_F(Commander, SilenceEndsTheExchangeWithoutRetry) {
    meter.silent = true;
    const qint64 start = t.clock.milliseconds();
    EXPECT_EQ(commander.sendCommand("R90", nullptr, 50, 1), Status::NoReply);
    EXPECT_EQ(device.lines.size(), 1);
    EXPECT_EQ(t.clock.milliseconds() - start, 1000);
    EXPECT_EQ(port.timeout(), 1); // the time-out stays for later exchanges
}

TEST_F(Commander, FlowControlIsRemovedAndBelKeptAsErrorText) {
    device.responder = [](const QByteArray& line) {
        return line.startsWith("Q41") ? meterReply(line, "\x11"
                                                         "94.\x13"
                                                         "0")
                                      : meterReply(line, "\aBad value");
    };
    QByteArray reply;
    ASSERT_EQ(commander.sendCommand("S41,225.48", &reply, 30), 0);
    EXPECT_EQ(commander.errorText(), "\aBad value");
    ASSERT_EQ(commander.sendCommand("Q41", &reply, 30), 0);
    EXPECT_EQ(reply, "94.0");
    EXPECT_EQ(commander.errorText(), "");
}

TEST_F(Commander, BandwidthAboveSixIsNeverSent) {
    EXPECT_EQ(commander.setBandwidth(7), Status::InvalidArgument);
    EXPECT_TRUE(device.lines.isEmpty());
    EXPECT_EQ(commander.setBandwidth(6), 0);
    EXPECT_EQ(meter.commands, QByteArrayList({"S145,6"}));
}

TEST_F(Commander, MeterBaudRateCodes) {
    const struct {
        int rate;
        QByteArray code;
        int portRate;
    } cases[] = {{4800, "3", 9600}, {19200, "4", 19200}, {300, "0", 300}, {115200, "7", 115200}};
    for (const auto& c : cases) {
        meter.commands.clear();
        device.breaks = 0;
        commander.setMeterBaud(c.rate);
        EXPECT_EQ(device.breaks, 3) << c.rate;
        EXPECT_EQ(meter.commands, QByteArrayList({"@", "R1", "S2283," + c.code, "S9," + c.code})) << c.rate;
        EXPECT_EQ(port.baudRate(), c.portRate) << c.rate;
        EXPECT_EQ(device.baud, c.portRate) << c.rate;
    }
}

TEST_F(Commander, MeterThatNeverAnswersStaysAtNineThousandSixHundred) {
    meter.replies["R1"] = "Acme meter";
    commander.setMeterBaud(19200);
    EXPECT_EQ(device.breaks, 9);
    EXPECT_EQ(meter.commands.count("R1"), 3);
    EXPECT_FALSE(meter.commands.contains("S2283,4"));
    EXPECT_EQ(port.baudRate(), 9600);
}

TEST_F(Commander, QueriesReadTheirReplies) {
    int value = -9;
    const struct {
        QByteArray reply;
        int type;
        int known;
    } instruments[] = {{"AUD 1.2", 7, 1}, {"SSA", 1, 1}, {"TAL", 10, 1}, {"XYZ", 0, 0}, {"", 0, 0}};
    for (const auto& c : instruments) {
        meter.replies["R180"] = c.reply;
        EXPECT_EQ(commander.getInstrument(value), c.known) << c.reply.toStdString();
        EXPECT_EQ(value, c.type) << c.reply.toStdString();
    }
    const struct {
        QByteArray reply;
        int weighting;
    } weightings[] = {{"A", 0}, {"C", 1}, {"Z", 2}, {"0", 0}, {"1", 1}, {"7", 2}, {"", 0}};
    for (const auto& c : weightings) {
        meter.replies["Q46"] = c.reply;
        ASSERT_EQ(commander.getWeighting(value), 0);
        EXPECT_EQ(value, c.weighting) << c.reply.toStdString();
    }
    const struct {
        QByteArray reply;
        int mode;
    } modes[] = {{"SLM/RTA", 1}, {"FFT", 2}, {"Pulse/FM", 3}, {"Other", 0}};
    for (const auto& c : modes) {
        meter.replies["Q143"] = c.reply;
        EXPECT_EQ(commander.getMode(value), c.mode ? 1 : 0);
        EXPECT_EQ(value, c.mode) << c.reply.toStdString();
    }
    meter.silent = true;
    EXPECT_EQ(commander.getInstrument(value), Status::NoReply);
    float level = 1.0f;
    EXPECT_EQ(commander.readLevel(level), Status::NoReply);
    EXPECT_EQ(level, 0.0f);
    EXPECT_EQ(commander.getBandwidth(value), Status::NoReply);
}

TEST_F(Commander, LoadInstrumentStopsResetsAndLoadsTheSetupFile) {
    meter.scripted["R 3,1"] = {" R", " O", " O"};
    EXPECT_EQ(commander.loadInstrument(7), 1);
    EXPECT_EQ(meter.commands,
              QByteArrayList({"M4", "R 3,1", "R 3,1", "M7,1", "R 3,1", "&I2,AudTest.AUD", "M9,1", "R 3,1"}));
    meter.commands.clear();
    EXPECT_EQ(commander.loadInstrument(11), 0);
    EXPECT_FALSE(meter.commands.join().contains("&I2"));
}

TEST_F(Commander, DownloadWaitsForTheBlockAfterTheMarker) {
    meter.block = QByteArray(69, 'x');
    device.bytePeriodMs = 2; // 9600 baud is about one byte a millisecond; slower still must work
    QByteArray block;
    ASSERT_EQ(commander.downloadBlock("&R1", 69, block, 5), 0);
    EXPECT_EQ(block, meter.block);
    EXPECT_EQ(device.written, "&R1)\r"); // slow form: CR only
}

TEST_F(Commander, DownloadAsksAfterEveryFiveFailedTries) {
    meter.block = "short";
    t.messages.answer("Could not download data from K37 after 5 tries!\n Verify that the K37 is powered on, stable, "
                      "and connected to the PC.\nThen press OK!",
                      MessageAnswer::Ok, 1);
    t.messages.answer("Could not download data", MessageAnswer::Cancel, 1);
    QByteArray block;
    EXPECT_EQ(commander.downloadBlock("&R1", 69, block, 5), Status::BlockTimeout);
    EXPECT_EQ(meter.commands.count("&R1"), 10);
    EXPECT_EQ(t.messages.count("Could not download data"), 2);
}
