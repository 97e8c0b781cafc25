#include "measure/CrossTalkMeasurement.h"
#include "measure/PulseMeasurement.h"

#include <gtest/gtest.h>

using namespace orvik;

namespace {
constexpr FreqIndex At1000 = freqIndexOf(1000.0f);

PulseBlock measuredPulse() {
    PulseBlock block{};
    block.riseTime = block.fallTime = 30.0f;
    block.onTime = block.offTime = 225.0f;
    block.plateau = 195.0f;
    block.level2 = 90.0f;
    return block;
}

// The judged value under `key`, as "VALUE VERDICT"; empty when the row has none.
QString judged(const ResultRow& row, const QString& key) {
    for (const JudgedValue& value : row.judgedValues)
        if (value.key == key)
            return value.value + (value.verdict == RowVerdict::Pass ? " PASS" : " FAIL");
    return {};
}
} // namespace

// Each limit at its edge and half a millisecond (the meter's resolution) beyond it.
TEST(PulseList, TimesAreJudgedAtTheirLimits) {
    const struct {
        float PulseBlock::*field;
        const char* key;
        float ms;
        bool passes;
        int column;
    } cases[] = {
        {&PulseBlock::riseTime, "rise", 50.0f, true, 1},     {&PulseBlock::riseTime, "rise", 50.5f, false, 1},
        {&PulseBlock::riseTime, "rise", 19.5f, false, 1},    {&PulseBlock::fallTime, "fall", 20.0f, true, 2},
        {&PulseBlock::onTime, "on", 189.5f, false, 3},       {&PulseBlock::onTime, "on", 260.0f, true, 3},
        {&PulseBlock::offTime, "off", 260.5f, false, 4},     {&PulseBlock::plateau, "plateau", 150.0f, true, 5},
        {&PulseBlock::plateau, "plateau", 149.5f, false, 5},
    };
    TestSetup setup{};
    setup.frequencySelected[At1000] = 1;
    for (const auto& c : cases) {
        PulseBlock block = measuredPulse();
        block.*c.field = c.ms;
        const ResultList list = buildPulseList(setup, block);
        ASSERT_EQ(list.rows.size(), 1);
        const ResultRow& row = list.rows.front();
        const QString value = QString::number(c.ms, 'f', 1);
        EXPECT_EQ(judged(row, c.key), value + (c.passes ? " PASS" : " FAIL")) << c.key << ' ' << c.ms;
        EXPECT_EQ(row.cells[c.column], c.passes ? value : '(' + value + ')') << c.key;
        EXPECT_EQ(list.verdict, c.passes ? PageVerdict::AllPass : PageVerdict::AnyFails) << c.key << ' ' << c.ms;
    }
}

TEST(PulseList, RatioFlagRowsNotMeasuredAndUnselected) {
    TestSetup setup{};
    setup.frequencySelected[At1000] = 1;
    PulseBlock block = measuredPulse();
    block.frequency[At1000].status[0] = PulseRatioFailed;
    ResultList list = buildPulseList(setup, block);
    EXPECT_EQ(list.rows.front().cells.last(), "(Failed)");
    EXPECT_EQ(judged(list.rows.front(), "ratio"), "Failed FAIL");
    EXPECT_EQ(list.rows.front().verdict, RowVerdict::Fail);

    block.level2 = NotMeasuredLimit;
    list = buildPulseList(setup, block);
    EXPECT_EQ(list.rows.front().cells, QStringList({"1000", "----", "----", "----", "----", "----", "----"}));
    EXPECT_EQ(list.verdict, PageVerdict::NoneJudged);

    setup.frequencySelected[At1000] = 0;
    EXPECT_TRUE(buildPulseList(setup, measuredPulse()).rows.isEmpty());
}

TEST(PulseReply, TimesAreBigEndianHalfMillisecondsAndZerosAreNoPulse) {
    QByteArray block(36, '\0');
    block[3] = char(0x21);
    block[6] = 12;                        // count
    block[7] = char(0x01), block[8] = 0x2C; // 300 half ms
    block[15] = char(0x01), block[16] = char(0x86); // 390 half ms
    block[19] = 80, block[20] = char(0x80);
    block[21] = 0x03, block[22] = char(0xE8), block[23] = 0x40; // 1000.25 Hz
    PulseReply reply;
    ASSERT_TRUE(parsePulseReply(block, 1.5f, reply));
    EXPECT_EQ(reply.count, 12);
    EXPECT_FLOAT_EQ(reply.rise, 150.0f);
    EXPECT_FLOAT_EQ(reply.plateau, 195.0f);
    EXPECT_FLOAT_EQ(reply.level2, 82.0f);
    EXPECT_FLOAT_EQ(reply.frequency[0], 1000.25f);
    EXPECT_EQ(reply.status[0], 0x21);
    EXPECT_TRUE(reply.isPulse());

    // Only half a millisecond of rise: no whole time, no count.
    block.fill('\0');
    block[8] = 1;
    ASSERT_TRUE(parsePulseReply(block, 0.0f, reply));
    EXPECT_FALSE(reply.isPulse());
    EXPECT_FALSE(parsePulseReply(block.left(20), 0.0f, reply));
}

TEST(CrossTalkList, SeparationOfSeventyDecibelsPasses) {
    const struct {
        float toneOn, leak;
        const char* value;
        bool passes;
    } cases[] = {{110.0f, 40.0f, "70.0", true}, {110.0f, 40.1f, "69.9", false}};
    for (const auto& c : cases) {
        CrossTalkBlock block{};
        block.testFrequency = 1000.0f;
        block.rightToneOn = c.toneOn;
        block.rightWithLeftOn = c.leak;
        const ResultList list = buildCrossTalkList(TestSetup{}, TransducerKind::SupraAural, block);
        ASSERT_EQ(list.rows.size(), 3);
        EXPECT_EQ(list.rows[0].cells[1], "----") << "left to right not measured";
        EXPECT_EQ(list.rows[0].verdict, RowVerdict::NotJudged);
        EXPECT_EQ(judged(list.rows[1], "rl"), QString(c.value) + (c.passes ? " PASS" : " FAIL"));
        EXPECT_EQ(list.rows[1].cells.last(), c.passes ? "0.0" : "-0.1");
        EXPECT_EQ(list.rows[2].cells[1], "----") << "tone off not measured";
    }
}
