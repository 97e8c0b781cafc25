#include "SimHost.h"
#include "sim/SimulatedSerialDeviceFactory.h"

#include <gtest/gtest.h>

using namespace orvik::sim;
using orvik::sim::test::SimHost;

namespace {

bool checksumHolds(const QByteArray& command, const QByteArray& line) {
    if (line.size() < 3)
        return false;
    QByteArray text = line.chopped(3);
    text.replace('\n', QByteArray());
    return line.at(line.size() - 3) == replyChecksum(commandChecksum(command), text);
}

TEST(WireFaults, CountedFaultsStrikeExactlyNTimes) {
    struct Case {
        const char* what;
        int WireFaults::*counter;
        std::function<bool(const QByteArray& line)> struck;
    };
    const Case cases[] = {
        {"no reply", &WireFaults::noReply, [](const QByteArray& line) { return line.isEmpty(); }},
        {"wrong checksum", &WireFaults::wrongChecksum,
         [](const QByteArray& line) { return !line.isEmpty() && !checksumHolds("R90", line); }},
        {"BEL reply", &WireFaults::belReplies, [](const QByteArray& line) { return line.startsWith('\a'); }},
    };
    for (const Case& c : cases) {
        SimHost host;
        host.simulator.wire().faults().*c.counter = 5;
        for (int attempt = 1; attempt <= 6; ++attempt)
            EXPECT_EQ(c.struck(host.exchangeRaw("R90", 2000)), attempt <= 5) << c.what << " attempt " << attempt;
    }
}

TEST(WireFaults, ALateReplyMissesItsExchangeAndIsLeftForTheNext) {
    SimHost host;
    host.simulator.wire().faults().lateReplies = 1;
    EXPECT_TRUE(host.exchangeRaw("R90", 2000).isEmpty());
    host.wait(1100);
    EXPECT_EQ(host.device.rxCount(), 8) << "the late reply is there to be flushed";
    EXPECT_EQ(host.exchange("R1"), "Veltan-Quirn K37 S/N 04172");
}

TEST(WireFaults, FaultsCanBeAimedAtOneCommand) {
    SimHost host;
    host.simulator.wire().faults().onlyFor = "&R1";
    host.simulator.wire().faults().noReply = -1;
    EXPECT_EQ(host.exchange("R90"), "3.610");
    EXPECT_TRUE(host.exchangeRaw("&R1", 2000).isEmpty());
    EXPECT_TRUE(host.exchangeRaw("&R1", 2000).isEmpty()) << "-1 never answers";
}

TEST(WireFaults, FlowControlAndStrayLineFeedsSurroundTheReply) {
    SimHost host;
    host.simulator.wire().faults().xonXoffInReplies = true;
    QByteArray line = host.exchangeRaw("R1");
    EXPECT_TRUE(line.contains('\x11'));
    EXPECT_TRUE(line.contains('\x13'));
    EXPECT_TRUE(checksumHolds("R1", line)) << "flow control does not count in the checksum";
    line.replace('\x11', QByteArray()).replace('\x13', QByteArray());
    EXPECT_EQ(line.chopped(3), "Veltan-Quirn K37 S/N 04172");

    host.simulator.wire().faults() = {};
    host.simulator.wire().faults().loneLfBeforeReply = true;
    for (int exchange = 0; exchange < 2; ++exchange) {
        const QByteArray raw = host.exchangeRaw("R90");
        EXPECT_TRUE(raw.startsWith('\n'));
        EXPECT_EQ(raw.mid(1), frameReply(commandChecksum("R90"), "3.610"));
    }
}

TEST(WireFaults, BlocksTrickleOrStopHalfWay) {
    SimHost host;
    host.exchange("M3");
    host.wait(600);
    host.simulator.wire().faults().blockByteMs = 50;
    EXPECT_EQ(host.download("&R1", 69, 5000).size(), 69) << "slow but complete within the time-out";

    host.simulator.wire().faults() = {};
    host.simulator.wire().faults().blockStopsAfter = 30;
    EXPECT_EQ(host.exchange("&R1"), "!");
    host.wait(6000);
    EXPECT_EQ(host.device.rxCount(), 30);
}

TEST(WireFaults, AMeterThatNeverBecomesReadyStaysStarting) {
    K37Profile profile;
    profile.neverReady = true;
    SimHost host(profile);
    host.exchange("M3");
    host.wait(60000);
    EXPECT_EQ(host.exchange("R 3,1"), " W");
}

TEST(WireFaults, AMeterThatNeverStabilisesSpreadsWiderThanADecibel) {
    AnalyserBehaviour behaviour = SimHost::quietBehaviour();
    behaviour.neverStable = true;
    SimHost host({}, behaviour);
    host.exchange("M3");
    host.wait(600);
    host.simulator.scene().audiometer().signal = SignalType::Tone;
    host.simulator.scene().audiometer().dialHl = 70;
    host.simulator.scene().touch();
    for (int window = 0; window < 12; ++window) {
        double low = 1000.0;
        double high = -1000.0;
        for (int i = 0; i < 5; ++i) {
            const QByteArray block = host.download("&R1", 69);
            const double level =
                static_cast<unsigned char>(block.at(41)) + static_cast<unsigned char>(block.at(42)) / 256.0;
            low = std::min(low, level);
            high = std::max(high, level);
        }
        EXPECT_GT(high - low, 1.0) << "window " << window;
    }
}

TEST(WireFaults, OnlyTheMeterPortExists) {
    orvik::test::VirtualClock clock;
    K37Simulator simulator;
    SimulatedSerialDeviceFactory factory(simulator, clock, 2);
    EXPECT_EQ(factory.create(0)->open(32000, 4000), orvik::Status::PortNotAvailable);
    const std::unique_ptr<orvik::SerialDevice> port = factory.create(2);
    EXPECT_EQ(port->open(32000, 4000), 0);
    EXPECT_EQ(port->setBaudRate(9600), 0);
    EXPECT_EQ(port->setBaudRate(12345), orvik::Status::BaudRefused);
    factory.setMeterPort(-1);
    EXPECT_EQ(factory.create(2)->open(32000, 4000), orvik::Status::PortNotAvailable) << "unplugged";
}

TEST(WireFaults, ClosingThePortLosesBytesInFlight) {
    SimHost host;
    host.device.write("R1" + QByteArray(1, commandChecksum("R1")) + "\r\n");
    host.device.close();
    host.device.open(32000, 4000);
    host.wait(200);
    EXPECT_EQ(host.device.rxCount(), 0);
}

TEST(WireFaults, ALateCloseOfAReplacedHandleLeavesTheNewConnectionAlone) {
    SimHost host;
    SimulatedSerialDevice stale(&host.simulator.wire(), host.clock);
    stale.open(32000, 4000);
    host.device.close();
    host.device.open(32000, 4000);
    host.device.write("R90" + QByteArray(1, commandChecksum("R90")) + "\r\n");
    stale.close();
    host.wait(100);
    EXPECT_EQ(host.device.rxCount(), 8);
}

} // namespace
