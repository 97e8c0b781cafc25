#include "shell/SerialPortList.h"
#include "shell/SerialPortNames.h"
#include "meter/SerialPortNumbering.h"

#include <gtest/gtest.h>

namespace orvik {
namespace {

SerialPortInfo port(const QString& name, const QString& description) {
    return SerialPortInfo{QStringLiteral("/dev/x"), name, name, description};
}

TEST(PortListFillTest, StoredPortFoundIsSelectedWithoutMessage) {
    const PortListFill fill =
        fillPortList({port("COM1", "Built-in"), port("COM5", "USB Serial"), port("LPT1", "Printer")}, 5);
    EXPECT_EQ(fill.lines, (QStringList{"COM1 <Built-in>", "COM5 <USB Serial>"}));
    EXPECT_EQ(fill.portNumbers, (QList<int>{1, 5}));
    EXPECT_EQ(fill.selected, 1);
    EXPECT_TRUE(fill.notInServiceMessage.isEmpty());
}

TEST(PortListFillTest, MissingStoredPortSelectsFirstLineAndSaysSo) {
    const PortListFill fill = fillPortList({port("COM5", "USB Serial Port")}, 1);
    EXPECT_EQ(fill.lines, QStringList{"COM5 <USB Serial Port>"});
    EXPECT_EQ(fill.selected, 0);
    EXPECT_EQ(fill.notInServiceMessage,
              "The previous Comport \"Com 1\" is not in service. \nPlease select a valid comport.");
}

TEST(PortListFillTest, NoPortsLeaveAnEmptyListAndTheMessage) {
    const PortListFill fill = fillPortList({}, 3);
    EXPECT_TRUE(fill.lines.isEmpty());
    EXPECT_EQ(fill.selected, -1);
    EXPECT_TRUE(fill.notInServiceMessage.contains("\"Com 3\""));
}

TEST(BaudRatesTest, StoredRatesMapToListPositions) {
    const struct {
        int rate;
        int position;
    } cases[] = {{300, 0}, {1200, 1}, {2400, 2}, {9600, 3}, {19200, 4}, {57600, 4}, {115200, 4}, {4800, 4}, {0, 4}};
    for (const auto& c : cases)
        EXPECT_EQ(BaudRates::positionOf(c.rate), c.position) << c.rate;
    EXPECT_EQ(BaudRates::rateAt(BaudRates::positionOf(57600)), 19200);
    EXPECT_EQ(BaudRates::offeredTexts(), (QStringList{"300", "1200", "2400", "9600", "19200"}));
}

TEST(SerialPortNamesTest, DeviceFamiliesMapBothWays) {
    const struct {
        const char* device;
        int number;
    } cases[] = {{"ttyS0", 1}, {"ttyS31", 32}, {"ttyUSB0", 33}, {"ttyUSB4", 37}, {"ttyACM0", 49},
                 {"ttyS32", 0}, {"ttyUSB", 0}, {"ttyAMA0", 0}, {"ttyUSBx", 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(portNumberOfDevice(QString::fromLatin1(c.device)), c.number) << c.device;
        if (c.number > 0) {
            EXPECT_EQ(deviceOfPortNumber(c.number), QString::fromLatin1(c.device));
        }
    }
    EXPECT_TRUE(deviceOfPortNumber(0).isEmpty());
    EXPECT_TRUE(deviceOfPortNumber(65).isEmpty());
}

} // namespace
} // namespace orvik
