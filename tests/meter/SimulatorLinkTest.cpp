#include "TestServices.h"
#include "measure/ReadStableSpectrum.h"
#include "meter/MeterSession.h"
#include "sim/K37Simulator.h"
#include "sim/SimulatedSerialDeviceFactory.h"

#include <gtest/gtest.h>

#include <QFile>

using namespace orvik;
using namespace orvik::test;

namespace {
// The link against the simulated meter, paced at its baud rate, on virtual time.
struct OnSimulator : ::testing::Test {
    TestServices t;
    sim::K37Simulator simulator{sim::K37Profile{}, sim::AnalyserBehaviour::steady()};
    sim::SimulatedSerialDeviceFactory factory{simulator, t.clock};
    MeterSession session{factory, t.messages, t.clock};

    SlmCommander& connect(int baud = 9600) {
        EXPECT_GE(session.connectMeter(1, baud), 0);
        return *session.commander();
    }
    sim::WireFaults& faults() { return simulator.wire().faults(); }
};
} // namespace

// Command sent and reply received, one exchange a line. Set ORVIK_UPDATE_GOLDEN=1 to rewrite the file after an
// intended change of the sequence.
TEST_F(OnSimulator, ConnectsAtTheChosenRateWithTheGoldenSequence) {
    connect(19200);
    EXPECT_EQ(session.identification(), "Veltan-Quirn K37 S/N 04172");
    EXPECT_DOUBLE_EQ(session.firmware(), 3.61);
    EXPECT_EQ(simulator.meter().baudRate(), 19200);
    EXPECT_TRUE(t.messages.texts().isEmpty());
    QByteArray transcript;
    for (const auto& exchange : simulator.wire().transcript())
        transcript +=
            exchange.command.toPercentEncoding(" ,&/@") + " -> " + exchange.reply.toPercentEncoding(" ,&/@") + '\n';
    const QString path = QStringLiteral(ORVIK_TEST_DATA_DIR "/connect-19200.txt");
    QFile golden(path);
    if (qEnvironmentVariableIntValue("ORVIK_UPDATE_GOLDEN") == 1) {
        ASSERT_TRUE(golden.open(QIODevice::WriteOnly));
        golden.write(transcript);
        return;
    }
    ASSERT_TRUE(golden.open(QIODevice::ReadOnly)) << path.toStdString();
    EXPECT_EQ(transcript.toStdString(), golden.readAll().toStdString());
}

TEST_F(OnSimulator, LineNoiseNeverReachesTheCaller) {
    SlmCommander& meter = connect();
    faults().xonXoffInReplies = true;
    faults().loneLfBeforeReply = true;
    QByteArray reply;
    ASSERT_EQ(meter.sendCommand("R1", &reply, 50, 1), 0);
    EXPECT_EQ(reply, "Veltan-Quirn K37 S/N 04172");
}

TEST_F(OnSimulator, StableSpectrumOfATone) {
    SlmCommander& meter = connect();
    auto& audiometer = simulator.scene().audiometer();
    audiometer.signal = sim::SignalType::Tone;
    audiometer.frequencyHz = 1000.0;
    audiometer.dialHl = 70;
    simulator.scene().touch();
    StableSpectrum result;
    ASSERT_GE(readStableSpectrum(meter, t.messages, StableSpectrumRequest{}, result, nullptr), 0);
    EXPECT_EQ(result.readings, 5);
    EXPECT_EQ(std::max_element(result.levels.begin(), result.levels.end()) - result.levels.begin(), 19);
}

TEST_F(OnSimulator, TricklingBlockStillArrives) {
    SlmCommander& meter = connect();
    // 69 bytes 80 ms apart take longer than the 5 s time-out, but arrive within the 6 s the download waits.
    faults().blockByteMs = 80;
    QByteArray block;
    const qint64 start = t.clock.milliseconds();
    ASSERT_EQ(meter.downloadBlock("&R1", SpectrumBlockSize, block, 5), 0);
    EXPECT_EQ(block.size(), SpectrumBlockSize);
    EXPECT_GT(t.clock.milliseconds() - start, 5000);
}
