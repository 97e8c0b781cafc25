#include "meter/PosixSerialDevice.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

using namespace orvik;

namespace {
// A pseudo-terminal: the test holds the far end, the device opens the near one by its path.
struct Pty : ::testing::Test {
    int master = -1;
    QString slavePath;

    void SetUp() override {
        master = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
        ASSERT_GE(master, 0);
        ASSERT_EQ(::grantpt(master), 0);
        ASSERT_EQ(::unlockpt(master), 0);
        slavePath = QString::fromLocal8Bit(::ptsname(master));
    }
    void TearDown() override { ::close(master); }

    // Bytes cross a pty through the kernel, not instantly; a bounded spin waits for them.
    QByteArray readFar(int count) {
        QByteArray bytes;
        QElapsedTimer timer;
        timer.start();
        while (bytes.size() < count && timer.elapsed() < 2000) {
            char c;
            if (::read(master, &c, 1) == 1)
                bytes += c;
        }
        return bytes;
    }
    int awaitNear(PosixSerialDevice& device, int count) {
        QElapsedTimer timer;
        timer.start();
        while (device.rxCount() < count && timer.elapsed() < 2000) {
        }
        return device.rxCount();
    }
};
} // namespace

TEST_F(Pty, ExchangesBytesWithoutWaiting) {
    PosixSerialDevice device(slavePath);
    ASSERT_EQ(device.open(32000, 4000), 0);
    ASSERT_EQ(device.setBaudRate(9600), 0);
    ASSERT_EQ(device.setParity('N'), 0);
    device.setDtr(true); // no modem lines on a pty: must not fail the link

    EXPECT_EQ(device.write("R1C\r\n"), 5);
    EXPECT_EQ(readFar(5), "R1C\r\n"); // raw: no CR/LF translation on the way out

    char buffer[16];
    EXPECT_EQ(device.read(buffer, sizeof buffer), 0);
    ASSERT_EQ(::write(master, "ab\r\ncd", 6), 6);
    ASSERT_EQ(awaitNear(device, 6), 6);
    EXPECT_EQ(device.read(buffer, 4), 4);
    EXPECT_EQ(QByteArray(buffer, 4), "ab\r\n");
    device.rxFlush();
    EXPECT_EQ(device.rxCount(), 0);
}

TEST_F(Pty, RefusesWhatItCannotBe) {
    PosixSerialDevice device(slavePath);
    ASSERT_EQ(device.open(32000, 4000), 0);
    EXPECT_EQ(device.setBaudRate(12345), Status::BaudRefused);

    PosixSerialDevice missing(QStringLiteral("/dev/ttyNoSuchPort7"));
    EXPECT_EQ(missing.open(32000, 4000), Status::PortNotAvailable);
    EXPECT_FALSE(missing.isOpen());

    PosixSerialDevice notATerminal(QStringLiteral("/dev/null"));
    EXPECT_EQ(notATerminal.open(32000, 4000), Status::PortNotAvailable);
}

TEST(PosixSerialDeviceFactory, PortNumbersAndThePathThatReplacesThem) {
    EXPECT_EQ(PosixSerialDeviceFactory::pathOfPortIndex(0), "/dev/ttyS0");
    EXPECT_EQ(PosixSerialDeviceFactory::pathOfPortIndex(4), "/dev/ttyS4");
    EXPECT_EQ(PosixSerialDeviceFactory::pathOfPortIndex(32), "/dev/ttyUSB0");
    EXPECT_EQ(PosixSerialDeviceFactory::pathOfPortIndex(48), "/dev/ttyACM0");
    EXPECT_TRUE(PosixSerialDeviceFactory::pathOfPortIndex(64).isEmpty());
    PosixSerialDeviceFactory named(QStringLiteral("/dev/ttyUSB0"));
    auto device = named.create(3);
    EXPECT_EQ(static_cast<PosixSerialDevice&>(*device).path(), "/dev/ttyUSB0");
}
