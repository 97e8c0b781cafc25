#include "SimHost.h"
#include "sim/MeterCommand.h"
#include "sim/MeterErrors.h"

#include <gtest/gtest.h>

using namespace orvik::sim;
using orvik::sim::test::SimHost;

namespace {

TEST(WireChecksum, MatchesTheWorkedExamples) {
    EXPECT_EQ(commandChecksum("R1"), 'C'); // 82 + 49 = 131 → 3 → 67
    EXPECT_EQ(commandChecksum("@"), '@');  // 64 is its own checksum
    EXPECT_EQ(commandChecksum(""), '@');   // nothing sums to 0, lifted by 64
    EXPECT_EQ(commandChecksum("R\x07"
                              "1"),
              'C');                         // control characters do not count
    EXPECT_EQ(replyChecksum('C', ""), 'C'); // a bare reply carries the command's checksum
    EXPECT_EQ(replyChecksum('C', "A"), static_cast<char>((67 + 65) % 128 + 64));
}

TEST(MeterCommandParse, ReadsEveryShapeTheProgramSends) {
    struct Case {
        const char* text;
        char verb;
        char subVerb;
        int parameter;
        const char* argument;
        const char* keys;
    };
    const Case cases[] = {
        {"R 3,1", 'R', 0, 3, "1", ""},
        {"R3,2", 'R', 0, 3, "2", ""},
        {"S227, 0.35", 'S', 0, 227, "0.35", ""},
        {"S 148,2", 'S', 0, 148, "2", ""},
        {"&I2,SLM&RTA.SSA", '&', 'I', 2, "SLM&RTA.SSA", ""},
        {"&R1", '&', 'R', 1, "", ""},
        {"K 77777", 'K', 0, -1, "", "77777"},
        {"k 6608", 'k', 0, -1, "", "6608"},
        {"@", '@', 0, -1, "", ""},
        {"R 86", 'R', 0, 86, "", ""},
    };
    for (const Case& c : cases) {
        const std::optional<MeterCommand> command = MeterCommand::parse(c.text);
        ASSERT_TRUE(command) << c.text;
        EXPECT_EQ(command->verb, c.verb) << c.text;
        EXPECT_EQ(command->subVerb, c.subVerb) << c.text;
        EXPECT_EQ(command->parameter, c.parameter) << c.text;
        EXPECT_EQ(command->argument, QByteArray(c.argument)) << c.text;
        EXPECT_EQ(command->keys, QByteArray(c.keys)) << c.text;
    }
    for (const char* bad : {"", "X1", "R", "K", "K 7a", "@@", "R1x", "&", "S1,", "R1234567"})
        EXPECT_FALSE(MeterCommand::parse(bad)) << bad;
}

TEST(WireProtocol, AnswersEachQueryOfAFreshMeter) {
    SimHost host;
    const std::pair<const char*, const char*> table[] = {
        {"@", ""},
        {"R1", "Veltan-Quirn K37 S/N 04172"},
        {"R90", "3.610"},
        {"R 3,1", " O"},
        {"R3,2", " I"},
        {"R155", "8"},
        {"R180", "SSA SLM&RTA.SSA"},
        {"Q46", "Z"},
        {"Q147", "HANN"},
        {"Q145,32", "3"},
        {"Q148,32", "2"},
        {"Q148", "0"},
        {"Q 51,32", "0"},
        {"Q227", "0.00"},
        {"Q41", "114.00"},
        {"R 86", "75"},
        {"R 87", "BATT"},
        {"R 170", "5.6"},
        {"Q143", "\aN/A"}, // not the audiometer application yet
        {"R241,0", "\aN/A"},
        {"X12", "\aCMD"},
        {"R77", "\aCMD"},
    };
    for (const auto& [command, reply] : table)
        EXPECT_EQ(host.exchange(command), QByteArray(reply)) << command;
}

TEST(WireProtocol, ErrorLinesFitTheSmallestReplyTheProgramReads) {
    using namespace meter_error;
    for (const QByteArray& error :
         {Checksum, UnknownCommand, OutOfRange, Running, FileNotFound, NotAvailable, LineTooLong, Failed})
        EXPECT_LE(frameReply('C', error).size(), 7) << error.constData();
    SimHost host;
    EXPECT_EQ(host.exchangeRaw("&R6"), frameReply(commandChecksum("&R6"), DownloadRefused));
    EXPECT_TRUE(frameReply('C', DownloadRefused).left(4).endsWith('\r')) << "BEL, letter, checksum, CR in 4 bytes";
}

TEST(WireProtocol, ABadChecksumGetsABelLineCarryingTheReceivedChecksum) {
    SimHost host;
    host.device.write("R1X\r\n");
    host.wait(100);
    char buffer[64];
    const int n = host.device.read(buffer, sizeof buffer);
    const QByteArray line(buffer, n);
    EXPECT_EQ(line, frameReply('X', "\aCHK"));
}

TEST(WireProtocol, AcceptsLinesEndedByCarriageReturnAloneWrittenByteByByte) {
    SimHost host;
    const QByteArray line = QByteArray("@@") + '\r';
    for (const char byte : line) {
        host.device.write(QByteArray(1, byte));
        host.wait(10);
    }
    host.wait(50);
    char buffer[16];
    EXPECT_EQ(QByteArray(buffer, host.device.read(buffer, sizeof buffer)), "@\r\n");
}

TEST(WireProtocol, NoiseBetweenLinesIsIgnored) {
    SimHost host;
    host.device.write(QByteArray("\xff\x11\n", 3));
    EXPECT_EQ(host.exchange("R90"), "3.610");
}

TEST(WireProtocol, RepliesArriveAfterTheReplyDelayAtTheBaudRate) {
    SimHost host;
    host.simulator.wire().replyDelayMs = 40;
    host.device.write("R90" + QByteArray(1, commandChecksum("R90")) + "\r\n");
    // The CR is the 5th byte out (5.2 ms at 9600 baud); 40 ms later the reply's 8 bytes follow, 1.04 ms each.
    host.wait(46);
    EXPECT_EQ(host.device.rxCount(), 0);
    host.wait(1);
    EXPECT_EQ(host.device.rxCount(), 1);
    host.wait(7);
    EXPECT_EQ(host.device.rxCount(), 8);
}

TEST(WireProtocol, TransmitQueueDrainsAtTheBaudRate) {
    SimHost host;
    host.device.setBaudRate(300);
    host.simulator.meter().setBaudRate(300);
    host.device.write("0123456789");
    EXPECT_EQ(host.device.txCount(), 10);
    host.wait(170); // 33.3 ms a byte
    EXPECT_EQ(host.device.txCount(), 5);
}

TEST(WireProtocol, RecordsATranscriptOfEveryExchange) {
    SimHost host;
    host.exchange("R90");
    host.exchange("Q99");
    host.simulator.wire().faults().noReply = 1;
    host.exchangeRaw("@", 500);
    EXPECT_EQ(MeterWire::formatTranscript(host.simulator.wire().transcript()),
              "R90 -> 3.610\nQ99 -> <BEL>CMD\n@ -> (no reply)\n");
}

} // namespace

namespace {

// 200 kB of line noise, each garbled line answered with an error reply by the meter.
QByteArray lineNoise() {
    QByteArray noise;
    while (noise.size() < 200 * 1024)
        noise += "~garble~\r";
    return noise;
}

TEST(WireProtocol, NoiseCannotQueueMoreThanTheTransmitterHolds) {
    for (const bool sendBreak : {false, true}) {
        SCOPED_TRACE(sendBreak ? "break" : "quiet line");
        SimHost host;
        host.device.write(lineNoise());
        host.wait(230000); // the noise itself takes 3.6 minutes at 9600 baud
        if (sendBreak)
            host.device.sendBreak(250);
        else
            host.wait(5000); // a full transmitter drains in well under this
        EXPECT_EQ(host.exchange("R90"), "3.610");
    }
}

TEST(WireProtocol, TheTranscriptKeepsOnlyTheLatestExchanges) {
    SimHost host;
    host.simulator.wire().replyDelayMs = 0;
    QByteArray commands;
    for (std::size_t n = 0; n < MeterWire::TranscriptLimit + 5; ++n)
        commands += "Q99" + QByteArray(1, commandChecksum("Q99")) + '\r';
    host.device.write(commands);
    host.wait(60000);
    EXPECT_EQ(host.exchange("R90"), "3.610");
    const auto& transcript = host.simulator.wire().transcript();
    ASSERT_EQ(transcript.size(), MeterWire::TranscriptLimit);
    EXPECT_EQ(transcript.back().command, "R90");
}

} // namespace
