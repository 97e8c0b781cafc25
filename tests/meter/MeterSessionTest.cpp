#include "meter/MeterSession.h"
#include "ScriptedSerialDevice.h"
#include "TestServices.h"
#include "meter/BatteryDisplay.h"

#include <gtest/gtest.h>

using namespace orvik;
using namespace orvik::test;

namespace {
const QString NoCommunication =
    QStringLiteral("Unable to communicate with K37 (error %1) using port# %2\nVerify that the port setting is correct "
                   "(Test/Preferences/RS232 Port)\n and that the K37 is connected");

struct Session : ::testing::Test {
    TestServices t;
    ScriptedSerialDevice device{t.clock};
    ScriptedDeviceFactory factory{device};
    FakeK37 meter;
    MeterSession session{factory, t.messages, t.clock};

    Session() {
        device.responder = std::ref(meter);
        t.messages.acknowledgeAll();
    }
};
} // namespace

TEST_F(Session, ConnectsAndIdentifies) {
    ASSERT_EQ(session.connectMeter(3, 19200), 0);
    EXPECT_TRUE(session.isOpen());
    EXPECT_EQ(factory.createdIndices.last(), 2);
    EXPECT_EQ(session.identification(), "Veltan-Quirn K37 SLM");
    EXPECT_DOUBLE_EQ(session.firmware(), 2.105);
    EXPECT_EQ(device.baud, 19200);
    EXPECT_TRUE(device.written.contains("\xff"));
    EXPECT_TRUE(t.messages.texts().isEmpty());

    // Connecting again while connected does nothing.
    const QByteArray before = device.written;
    EXPECT_EQ(session.connectMeter(3, 19200), 0);
    EXPECT_EQ(device.written, before);
}

TEST_F(Session, IdentificationRefusals) {
    const struct {
        QByteArray firmware;
        QByteArray identification;
        QByteArray secondFirmware;
        int result;
        QString message;
    } cases[] = {
        {"1.95", "Veltan-Quirn K37", "", Status::FirmwareRefused, "Firmware v1.950 in SLM. v2.0 required."},
        {"junk", "Veltan-Quirn K37", "", Status::FirmwareRefused, "Firmware v0.000 in SLM. v2.0 required."},
        {"2.2", "Veltan-Quirn K35", "", Status::NotK37, "SLM not Veltan-Quirn Model K37."},
        {"2.2", "Veltan-Quirn K37", Silent, Status::FirmwareRefused, "Firmware v0.000 in SLM. v1.188 required."},
    };
    int created = 0;
    for (const auto& c : cases) {
        t.messages.clear();
        meter.scripted["R90"] = {c.firmware, c.secondFirmware.isEmpty() ? c.firmware : c.secondFirmware};
        meter.replies["R1"] = c.identification;
        EXPECT_EQ(session.connectMeter(1, 9600), c.result) << c.message.toStdString();
        EXPECT_EQ(t.messages.texts(), QStringList{c.message});
        EXPECT_EQ(session.port(), nullptr) << "objects are deleted after a refused identification";
        EXPECT_EQ(session.objectsCreated(), ++created);
    }
}

TEST_F(Session, FirmwareThatNeverArrivesIsReported) {
    meter.replies["R90"] = "";
    EXPECT_EQ(session.connectMeter(1, 9600), Status::FirmwareRefused);
    EXPECT_EQ(meter.commands.count("R90"), 10);
    EXPECT_EQ(t.messages.texts(), QStringList{"Unable to retreive the Firmware Version."});
}

TEST_F(Session, NextConnectionAfterARefusalCreatesNewObjects) {
    meter.replies["R1"] = "Other meter";
    ASSERT_EQ(session.connectMeter(1, 9600), Status::NotK37);
    meter.replies["R1"] = "Veltan-Quirn K37";
    ASSERT_EQ(session.connectMeter(1, 9600), 0);
    EXPECT_EQ(session.objectsCreated(), 2);
    EXPECT_NE(session.commander(), nullptr);
}

TEST_F(Session, OpenOrPingFailureKeepsTheObjects) {
    const struct {
        int port;
        int openResult;
        bool silent;
        int result;
    } cases[] = {{1, Status::PortNotAvailable, false, Status::InvalidPort},
                 {0, 0, false, Status::InvalidPort},
                 {2, 0, true, Status::NoReply}};
    for (const auto& c : cases) {
        t.messages.clear();
        device.openResult = c.openResult;
        meter.silent = c.silent;
        EXPECT_EQ(session.connectMeter(c.port, 9600), c.result);
        EXPECT_EQ(t.messages.texts(), QStringList{NoCommunication.arg(c.result).arg(c.port)});
        EXPECT_FALSE(session.isOpen());
        EXPECT_NE(session.port(), nullptr);
    }
    EXPECT_EQ(session.objectsCreated(), 1);
}

TEST_F(Session, TurnOffStopsSwitchesOffAndCloses) {
    ASSERT_EQ(session.connectMeter(1, 9600), 0);
    meter.replies["R 3,1"] = " O";
    meter.commands.clear();
    session.turnOff();
    EXPECT_EQ(meter.commands, QByteArrayList({"M4", "R 3,1", "M2"}));
    EXPECT_FALSE(session.isOpen());
    session.turnOff(); // a closed port: nothing, no message
    EXPECT_TRUE(t.messages.texts().isEmpty());
}

TEST_F(Session, RecoveryReopensOnlyAFailedPort) {
    ASSERT_EQ(session.connectMeter(1, 9600), 0);
    t.messages.answer("Communication with the K37 failed.", MessageAnswer::Ok);
    EXPECT_TRUE(session.recoverLink());
    EXPECT_EQ(device.opens, 1);

    meter.silent = true;
    session.commander()->sendCommand("R90");
    meter.silent = false;
    EXPECT_TRUE(session.recoverLink());
    EXPECT_EQ(device.opens, 2);
}

TEST_F(Session, RecoveryAsksWhileTheReopenFails) {
    const struct {
        MeterSession::RecoveryTexts texts;
        QString failed;
        QString notReopened;
    } cases[] = {
        {MeterSession::RecoveryTexts::Measurement,
         "Communication with the K37 failed.\nPlease verify that all connections are correct and the K37 is turned "
         "on,then press OK.",
         "An Error occurred in the port connection to the K37\n and it could not be reopened. \nPlease verify that all "
         "connections are correct and the K37 is turned on, then press OK."},
        {MeterSession::RecoveryTexts::MeterMode,
         "An Error occurred in the port connection to the K37.\nPlease verify that all connections are correct and the "
         "K37 is turned on\nPress OK to continue or cancel to quit.",
         "An Error occurred in the port connection to the K37\n and it could not be reopened. \nPlease verify that all "
         "connections are correct and the K37 is turned on\n Press OK to continue or cancel to quit."},
    };
    for (const auto& c : cases) {
        device.openResult = 0;
        ASSERT_GE(session.connectMeter(1, 9600), 0);
        meter.silent = true;
        session.commander()->sendCommand("R90");
        meter.silent = false;
        device.openResult = -5;
        t.messages.clear();
        t.messages.answer(c.failed, MessageAnswer::Ok, 1);
        t.messages.answer(c.notReopened, MessageAnswer::Ok, 1);
        t.messages.answer(c.notReopened, MessageAnswer::Cancel, 1);
        EXPECT_FALSE(session.recoverLink(c.texts));
        EXPECT_EQ(t.messages.texts(), QStringList({c.failed, c.notReopened, c.notReopened}));
        session.disconnect();
    }
}

TEST_F(Session, BatteryShowsPercentOrVoltage) {
    ASSERT_EQ(session.connectMeter(1, 9600), 0);
    BatteryDisplay display(*session.commander());
    const struct {
        QByteArray source;
        QString text;
    } cases[] = {{"BAT", "Battery Level: 87.5% BAT"}, {"EXT", "Battery Level: 12.3V EXT"}};
    meter.replies["R 86"] = "87.5";
    meter.replies["R 170"] = "12.34";
    for (const auto& c : cases) {
        meter.replies["R 87"] = c.source;
        EXPECT_EQ(display.tick(), c.text);
    }
    meter.silent = true;
    EXPECT_EQ(display.tick(), "Battery Level: ----");
}
