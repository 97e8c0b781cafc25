#include "MeterTestLink.h"

#include <gtest/gtest.h>

using namespace orvik;
using namespace orvik::test;

namespace {
struct Port : ::testing::Test {
    VirtualClock clock;
    ScriptedSerialDevice device{clock};
    ScriptedDeviceFactory factory{device};
};
} // namespace

TEST_F(Port, NumberBelowOneIsInvalidAndUsesPortOne) {
    ComPort port(0, factory, clock);
    EXPECT_EQ(port.lastResult(), Status::InvalidPort);
    EXPECT_EQ(port.portIndex(), 0);
    ComPort second(3, factory, clock);
    EXPECT_EQ(second.setPort(0), Status::InvalidPort);
    EXPECT_EQ(second.portIndex(), 2);
}

TEST_F(Port, OpenOnAnOpenPortReopens) {
    ComPort port(2, factory, clock);
    ASSERT_EQ(port.open(), 0);
    ASSERT_EQ(port.open(), 0);
    EXPECT_EQ(device.opens, 2);
    EXPECT_EQ(factory.createdIndices, QList<int>({1, 1}));
    EXPECT_TRUE(port.isOpen());
}

TEST_F(Port, FailedOpenLeavesThePortClosed) {
    const struct {
        int deviceCode;
        int expected;
    } cases[] = {{Status::PortNotAvailable, Status::InvalidPort}, {-5, Status::PortOpenFailed}};
    for (const auto& c : cases) {
        device.openResult = c.deviceCode;
        ComPort port(1, factory, clock);
        EXPECT_EQ(port.open(), c.expected);
        EXPECT_FALSE(port.isOpen());
        EXPECT_EQ(port.lastResult(), c.expected);
    }
}

TEST_F(Port, RefusedBaudClosesAtOpenButNotOnAnOpenPort) {
    device.refusedBauds = {4800};
    ComPort port(1, factory, clock);
    port.setBaud(4800);
    EXPECT_EQ(port.open(), Status::PortOpenFailed);
    EXPECT_FALSE(port.isOpen());

    port.setBaud(9600);
    ASSERT_EQ(port.open(), 0);
    EXPECT_EQ(port.setBaud(4800), Status::BaudRefusedWhileOpen);
    EXPECT_TRUE(port.isOpen());
}

TEST_F(Port, ReadLineTimesOutOnVirtualTime) {
    ComPort port(1, factory, clock);
    port.open();
    EXPECT_EQ(port.setTimeout(0), 2);
    EXPECT_EQ(port.setTimeout(3), 2);
    QByteArray line;
    const qint64 start = clock.milliseconds();
    EXPECT_EQ(port.readLine(line, 20), Status::NoReply);
    EXPECT_EQ(clock.milliseconds() - start, 3000);
    EXPECT_TRUE(port.isOpen());
}

TEST_F(Port, ReadLineStopsAtLineFeedAndLeavesTheRest) {
    ComPort port(1, factory, clock);
    port.open();
    device.deliver("ab\r\ncd\n");
    QByteArray line;
    ASSERT_EQ(port.readLine(line, 20), 0);
    EXPECT_EQ(line, "ab\r\n");
    ASSERT_EQ(port.readLine(line, 3), 0);
    EXPECT_EQ(line, "cd\n");
}

TEST_F(Port, LateReplyIsDroppedByTheNextWrite) {
    ComPort port(1, factory, clock);
    port.open();
    port.setTimeout(1);
    device.deliver("late\n", 1500);
    QByteArray line;
    EXPECT_EQ(port.readLine(line, 20), Status::NoReply);
    clock.advance(600);
    ASSERT_EQ(port.writeLine("next"), 0);
    device.deliver("fresh\n");
    ASSERT_EQ(port.readLine(line, 20), 0);
    EXPECT_EQ(line, "fresh\n");
}

TEST_F(Port, FormattedWritePutsOnePercentForTwo) {
    ComPort port(1, factory, clock);
    port.open();
    ASSERT_EQ(port.writeLine("R 3%%\r\n"), 0);
    EXPECT_EQ(device.written, "R 3%\r\n");
    EXPECT_EQ(port.writeLine(""), Status::WriteFailed);
}

TEST_F(Port, SlowWriteIsPacedAndEndsWithCr) {
    ComPort port(1, factory, clock);
    port.open();
    const qint64 start = clock.milliseconds();
    ASSERT_EQ(port.writeSlowly("&R1)", true), 0);
    EXPECT_EQ(device.written, "&R1)\r");
    EXPECT_EQ(clock.milliseconds() - start, 40);
}

TEST_F(Port, BlockReadTimeOutIsAnInactivityTimeOut) {
    const struct {
        int bytePeriodMs;
        int expected;
    } cases[] = {{1900, 0}, {2100, Status::BlockTimeout}};
    for (const auto& c : cases) {
        ScriptedSerialDevice trickle(clock);
        ScriptedDeviceFactory trickleFactory(trickle);
        ComPort port(1, trickleFactory, clock);
        port.open();
        trickle.bytePeriodMs = c.bytePeriodMs;
        trickle.deliver("0123");
        QByteArray block;
        // Four bytes take longer than the 2 s time-out in all; only the gaps count.
        EXPECT_EQ(port.readBlock(block, 4), c.expected) << c.bytePeriodMs;
        if (c.expected == 0) {
            EXPECT_EQ(block, "0123");
        }
    }
}

TEST_F(Port, ClosedPortRefusesWork) {
    ComPort port(1, factory, clock);
    QByteArray line;
    EXPECT_EQ(port.writeLine("x"), Status::WriteFailed);
    EXPECT_EQ(port.readLine(line, 5), Status::NoReply);
    EXPECT_EQ(port.close(), 0);
    EXPECT_EQ(device.written, "");
}
