#include "sim/WireChecksum.h"

#include <QProcess>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

using namespace orvik::sim;

namespace {

const QString CliPath = QStringLiteral(ORVIK_BINARY_DIR "/src/cli/orvik-cli");

// Reads one line (through LF) from the port within the time-out.
QByteArray readLine(int fd, int timeoutMs) {
    QByteArray line;
    while (!line.endsWith('\n')) {
        pollfd descriptor{fd, POLLIN, 0};
        if (::poll(&descriptor, 1, timeoutMs) <= 0)
            break;
        char byte = 0;
        if (::read(fd, &byte, 1) != 1)
            break;
        line.append(byte);
    }
    return line;
}

class PtyFace : public ::testing::Test {
protected:
    void start(const QStringList& options) {
        m_process.start(CliPath, QStringList{QStringLiteral("sim")} + options);
        ASSERT_TRUE(m_process.waitForStarted(5000));
        ASSERT_TRUE(m_process.waitForReadyRead(5000));
        const QByteArray first = m_process.readLine().trimmed();
        ASSERT_TRUE(first.startsWith("PTY /dev/")) << first.constData();
        m_fd = ::open(first.mid(4).constData(), O_RDWR | O_NOCTTY);
        ASSERT_GE(m_fd, 0);
        termios attributes{};
        ::tcgetattr(m_fd, &attributes);
        ::cfmakeraw(&attributes);
        ::tcsetattr(m_fd, TCSANOW, &attributes);
    }

    QByteArray exchange(const QByteArray& command) {
        const QByteArray line = command + commandChecksum(command) + "\r\n";
        EXPECT_EQ(::write(m_fd, line.constData(), static_cast<size_t>(line.size())), line.size());
        return readLine(m_fd, 3000);
    }

    int stop() {
        ::close(m_fd);
        m_fd = -1;
        m_process.terminate();
        EXPECT_TRUE(m_process.waitForFinished(5000));
        return m_process.exitStatus() == QProcess::NormalExit ? m_process.exitCode() : -1;
    }

    void TearDown() override {
        if (m_fd >= 0)
            ::close(m_fd);
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }

    QProcess m_process;
    int m_fd = -1;
};

TEST_F(PtyFace, TakesIdentityFirmwareAndBatteryFromTheCommandLine) {
    start({QStringLiteral("--identity"), QStringLiteral("Veltan-Quirn K30"), QStringLiteral("--firmware"),
           QStringLiteral("1.95"), QStringLiteral("--battery-volts"), QStringLiteral("5.2")});
    EXPECT_EQ(exchange("R1"), frameReply(commandChecksum("R1"), "Veltan-Quirn K30"));
    EXPECT_EQ(exchange("R90"), frameReply(commandChecksum("R90"), "1.95"));
    EXPECT_EQ(exchange("R 170"), frameReply(commandChecksum("R 170"), "5.2"));
    EXPECT_EQ(stop(), 0);
}

TEST(PtyFaceArguments, ABadArgumentIsAUsageError) {
    for (const char* volts : {"many", "nan", "inf"}) {
        QProcess process;
        process.start(CliPath, {QStringLiteral("sim"), QStringLiteral("--battery-volts"), QString::fromLatin1(volts)});
        ASSERT_TRUE(process.waitForFinished(5000)) << volts;
        EXPECT_EQ(process.exitCode(), 2) << volts;
        EXPECT_TRUE(process.readAllStandardError().contains("usage: sim")) << volts;
    }
}

} // namespace
