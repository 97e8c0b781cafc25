#include "RunCli.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>

namespace {
const QString Cli = QStringLiteral(ORVIK_BINARY_DIR "/src/cli/orvik-cli");

// The simulator on a pseudo-terminal, as a technician would start it beside the program.
class SimulatorOnPty {
public:
    SimulatorOnPty() {
        m_process.start(Cli, {QStringLiteral("sim")});
        m_process.waitForStarted(5000);
        const QRegularExpression announced(QStringLiteral("^PTY (\\S+)"), QRegularExpression::MultilineOption);
        while (m_process.state() == QProcess::Running && m_path.isEmpty() && m_process.waitForReadyRead(10000)) {
            m_output += QString::fromLocal8Bit(m_process.readAllStandardOutput());
            const QRegularExpressionMatch match = announced.match(m_output);
            if (match.hasMatch())
                m_path = match.captured(1);
        }
    }
    ~SimulatorOnPty() {
        m_process.terminate();
        if (!m_process.waitForFinished(5000))
            m_process.kill();
        m_process.waitForFinished(5000);
    }
    const QString& path() const { return m_path; }

private:
    QProcess m_process;
    QString m_output;
    QString m_path;
};

} // namespace

using orvik::test::CliRun;
using orvik::test::runCli;

TEST(MeterCli, IdentifiesAndReadsTheSimulatorThroughAPseudoTerminal) {
    SimulatorOnPty simulator;
    ASSERT_FALSE(simulator.path().isEmpty()) << "orvik-cli sim did not announce a pseudo-terminal";

    const CliRun identify = runCli({"meter", "identify", "--device", simulator.path(), "--baud", "19200"});
    EXPECT_EQ(identify.exitCode, 0);
    ASSERT_EQ(identify.lines().size(), 3) << identify.lines().join(u'\n').toStdString();
    EXPECT_EQ(identify.lines()[0], "Connected");
    EXPECT_TRUE(identify.lines()[1].startsWith("Identification: Veltan-Quirn K37"))
        << identify.lines()[1].toStdString();
    EXPECT_TRUE(QRegularExpression("^Firmware: \\d+\\.\\d{3}$").match(identify.lines()[2]).hasMatch());

    const CliRun send = runCli({"meter", "send", "--device", simulator.path(), "R1"});
    EXPECT_EQ(send.exitCode, 0);
    EXPECT_EQ(send.lines().value(0).left(16), "Veltan-Quirn K37");

    const CliRun spectrum = runCli({"meter", "spectrum", "--device", simulator.path()});
    EXPECT_EQ(spectrum.exitCode, 0) << spectrum.lines().join(u'\n').toStdString();
    ASSERT_EQ(spectrum.lines().size(), 33);
    EXPECT_TRUE(spectrum.lines()[0].startsWith("12.5 "));
    EXPECT_TRUE(spectrum.lines()[19].startsWith("1000 "));
    EXPECT_TRUE(spectrum.lines()[32].startsWith("20000 "));
}

TEST(MeterCli, PortThatDoesNotExistPrintsTheMessageAndTheResult) {
    const CliRun run = runCli({"meter", "identify", "--device", "/dev/ttyNoSuchPort7"});
    EXPECT_EQ(run.exitCode, 1);
    ASSERT_FALSE(run.lines().isEmpty());
    EXPECT_EQ(run.lines().first(), "Unable to communicate with K37 (error -10) using port# 1");
    EXPECT_EQ(run.lines().last(), "Result: -10");
}

TEST(MeterCli, SendToAMissingPortGivesItsCode) {
    const CliRun run = runCli({"meter", "send", "--device", "/dev/ttyNoSuchPort7", "R1"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.lines(), QStringList{"Result: -10"});
}
