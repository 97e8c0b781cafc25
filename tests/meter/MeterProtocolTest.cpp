#include "meter/MeterProtocol.h"

#include <gtest/gtest.h>

using namespace orvik::meter;

TEST(MeterProtocol, CommandChecksums) {
    const struct {
        QByteArray command;
        char checksum;
    } cases[] = {
        {"R1", 'C'},       // 82 + 49 = 131, modulo 128 = 3, lifted by 64
        {"@", '@'},        // its own checksum
        {"R\t1\x01", 'C'}, // control characters do not count
        {"R 3", '%'},      // a checksum the port's formatter would eat if it were not doubled
        {"", '@'},         // zero, lifted
        {"\x7f\x7f", '~'}, // 254 modulo 128
    };
    for (const auto& c : cases)
        EXPECT_EQ(commandChecksum(c.command), c.checksum) << c.command.toStdString();
}

TEST(MeterProtocol, ReplyChecksumStartsFromTheCommandChecksum) {
    EXPECT_EQ(replyChecksum('C', ""), 'C');
    EXPECT_EQ(replyChecksum('C', "1"), char((67 + 49) % 128));
    // 67 + 61 = 128: wraps to 0 and is lifted into the printable range
    EXPECT_EQ(replyChecksum('C', "="), '@');
    EXPECT_NE(replyChecksum('C', " R"), replyChecksum('@', " R"));
}

TEST(MeterProtocol, SplitsTheChecksumOffTheLine) {
    const struct {
        QByteArray received;
        bool hasChecksum;
        char checksum;
        QByteArray text;
    } cases[] = {
        {"2.105X\r\n", true, 'X', "2.105"},
        {"2.105X\n", true, 'X', "2.105"},
        {"2.105X\x11\x13\r\n", true, 'X', "2.105"}, // control characters before the line end are passed over
        {"2.105X", true, 'X', "2.105"},             // cut off at the maximum: no line end at all
        {"X\r\n", true, 'X', ""},
        {"a\rb\nX\r\n", true, 'X', "a\rb\n"}, // only the last line end counts
        {"\r\n", false, 0, ""},
        {"", false, 0, ""},
    };
    for (const auto& c : cases) {
        const ReplyLine line = splitReplyLine(c.received);
        EXPECT_EQ(line.hasChecksum, c.hasChecksum) << c.received.toStdString();
        EXPECT_EQ(line.checksum, c.checksum) << c.received.toStdString();
        EXPECT_EQ(line.text, c.text) << c.received.toStdString();
    }
}

TEST(MeterProtocol, RemovesFlowControlOnly) {
    EXPECT_EQ(withoutFlowControl("\x11 R\x13\x07x"), QByteArray(" R\x07x"));
}

TEST(MeterProtocol, ReadsNumbersFromUntrustedReplies) {
    const struct {
        QByteArray reply;
        double number;
        int integer;
    } cases[] = {
        {" 2.105", 2.105, 2}, {"1.95xyz", 1.95, 1}, {"abc", 0.0, 0},     {"", 0.0, 0},
        {"nan", 0.0, 0},      {"inf", 0.0, 0},      {"-20", -20.0, -20}, {"99999999999999", 99999999999999.0, 0},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(replyNumber(c.reply), c.number) << c.reply.toStdString();
        EXPECT_EQ(replyInteger(c.reply), c.integer) << c.reply.toStdString();
    }
}
