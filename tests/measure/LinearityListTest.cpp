#include "measure/LinearityList.h"
#include "measure/LinearitySeries.h"

#include <gtest/gtest.h>

using namespace orvik;

namespace {
constexpr FreqIndex At1000 = freqIndexOf(1000.0f);

struct Fixture {
    TestSetup setup{};
    LinearityBlock block{};
    float reference = 0.0f;

    Fixture(int maxLevel, int step) {
        block.testFrequency = 1000.0f;
        block.maxDialLevel = qint16(maxLevel);
        block.dialStep = qint16(step);
        ReferenceQuery query;
        query.frequency = At1000;
        reference = getReferenceLevel(setup, query);
    }
    // A level read `deviation` dB above what its dial asks for.
    void read(int level, float deviation = 0.0f) { block.spl[level] = float(level) + reference + deviation; }
    ResultList list(bool noiseFloorMeasured = false) const {
        return buildLinearityList(setup, TransducerKind::SupraAural, block, noiseFloorMeasured);
    }
};

const ResultRow& rowOf(const ResultList& list, int level) {
    const int row = linearityLevelRow(list, level);
    EXPECT_GE(row, 0) << level;
    return list.rows[row < 0 ? 0 : row];
}

// "VALUE VERDICT" of a judged value, empty when the row has none.
QString judged(const ResultRow& row, const char* key) {
    for (const JudgedValue& value : row.judgedValues)
        if (value.key == QLatin1String(key))
            return value.value + (value.verdict == RowVerdict::Pass ? " PASS" : " FAIL");
    return {};
}
} // namespace

// Each tolerance at its edge and a tenth beyond it: ±0.3 dB for steps of 1 and 2 dB, ±1.0 dB for 5 and 10 dB.
TEST(LinearityList, StepsAreJudgedAtTheirTolerance) {
    const struct {
        int step;
        float measuredStep;
        const char* variance; // as the list shows it, parentheses when failing
        bool passes;
    } cases[] = {
        {2, 2.3f, "0.3", true},  {2, 2.4f, "(0.4)", false},   {2, 1.7f, "-0.3", true},  {2, 1.6f, "(-0.4)", false},
        {1, 1.3f, "0.3", true},  {1, 0.6f, "(-0.4)", false},  {5, 6.0f, "1.0", true},   {5, 6.1f, "(1.1)", false},
        {5, 4.0f, "-1.0", true}, {10, 8.9f, "(-1.1)", false}, {10, 11.0f, "1.0", true},
    };
    for (const auto& c : cases) {
        Fixture f(60, c.step);
        f.read(60 - c.step);
        f.block.spl[60] = f.block.spl[60 - c.step] + c.measuredStep;
        const ResultList list = f.list();
        const ResultRow& row = rowOf(list, 60);
        EXPECT_EQ(row.cells[5], QLatin1String(c.variance)) << c.step << ' ' << c.measuredStep;
        EXPECT_TRUE(judged(row, "step").endsWith(c.passes ? "PASS" : "FAIL")) << c.step << ' ' << c.measuredStep;
        EXPECT_EQ(list.verdict, c.passes ? PageVerdict::AllPass : PageVerdict::AnyFails)
            << c.step << ' ' << c.measuredStep;
    }
}

TEST(LinearityList, HearingLevelVarianceOfTwoDecibelsPasses) {
    const struct {
        float deviation;
        const char* shown;
        bool passes;
    } cases[] = {{2.0f, "2.00", true}, {2.01f, "(2.01)", false}, {-2.0f, "-2.00", true}, {-2.02f, "(-2.02)", false}};
    for (const auto& c : cases) {
        Fixture f(40, 5);
        f.read(40, c.deviation);
        const ResultList list = f.list();
        const ResultRow& row = rowOf(list, 40);
        EXPECT_EQ(row.cells[2], QLatin1String(c.shown)) << c.deviation;
        EXPECT_EQ(judged(row, "hl"), QString(c.shown).remove('(').remove(')') + (c.passes ? " PASS" : " FAIL"));
        EXPECT_EQ(judged(row, "step"), "0.0 PASS") << "the lowest measured level takes the dial step";
    }
}

// Rows from the maximum down to the truncated noise floor; a failed level shows "Unstable" and the level above it
// has nothing to be stepped from, like the lowest measured level.
TEST(LinearityList, RowsUnstableLevelsAndTheNoiseFloorRow) {
    Fixture f(100, 5);
    for (int level = 25; level <= 100; level += 5)
        f.read(level);
    f.block.spl[30] = LinearityUnstable;
    f.block.spl[40] = f.block.spl[45] - 3.0f;
    f.block.noiseFloor = 22.4f;
    ResultList list = f.list(true);
    ASSERT_EQ(list.rows.size(), 16 + 1);
    EXPECT_EQ(list.rows.front().cells.first(), "100");
    EXPECT_EQ(list.rows[15].cells.first(), "25");
    EXPECT_EQ(list.rows.back().cells, QStringList{"NF = 22.4"});
    EXPECT_EQ(rowOf(list, 30).cells, QStringList({"30", "Unstable", "----", "Unstable", "----", "----", "----"}));
    EXPECT_EQ(rowOf(list, 30).verdict, RowVerdict::NotJudged);
    EXPECT_EQ(rowOf(list, 35).cells[4], "5.0") << "the unstable level below does not count";
    EXPECT_EQ(rowOf(list, 40).cells[4], "7.0");
    EXPECT_EQ(rowOf(list, 40).cells[6], "4.0 to 6.0");
    EXPECT_EQ(rowOf(list, 40).point, "@40");
    EXPECT_EQ(rowOf(list, 40).verdict, RowVerdict::Fail);
    EXPECT_EQ(rowOf(list, 45).verdict, RowVerdict::Fail) << "3 dB up from the soft level";
    EXPECT_EQ(linearityRowLevel(list, int(list.rows.size()) - 1), -1);

    list = f.list(false);
    EXPECT_EQ(list.rows.back().cells, QStringList{"NF = ----"});
    EXPECT_EQ(rowOf(list, 0).cells, QStringList({"0", "----", "----", "----", "----", "----", "----"}));
}

TEST(LinearitySeries, InputsAndTheLevelsOfARun) {
    EXPECT_EQ(clampMaxDialLevel(150), 140);
    EXPECT_EQ(clampMaxDialLevel(140), 140);
    EXPECT_EQ(clampMaxDialLevel(-5), 100);
    EXPECT_EQ(clampMaxDialLevel(0), 0);
    EXPECT_EQ(dialStepOrDefault(0), 5);
    EXPECT_EQ(dialStepOrDefault(3), 5);
    EXPECT_EQ(linearityFrequency(1000.0), At1000);
    EXPECT_EQ(linearityFrequency(1001.0), freqIndexOf(1250.0f));
    const struct {
        float noiseFloor;
        int maxLevel, step, first;
    } series[] = {{22.4f, 100, 5, 25}, {22.4f, 98, 5, 28}, {25.0f, 100, 5, 30}, {4.9f, 100, 10, 10},
                  {-3.2f, 100, 2, 0},  {-13.0f, 97, 5, 2}, {0.0f, 100, 1, 1}};
    for (const auto& s : series)
        EXPECT_EQ(firstUpLevel(s.noiseFloor, s.maxLevel, s.step), s.first) << s.noiseFloor << ' ' << s.maxLevel;
    EXPECT_EQ(gainSettingForLevel(39), 5);
    EXPECT_EQ(gainSettingForLevel(40), 2);
    EXPECT_EQ(gainSettingForLevel(120), 2);
    EXPECT_EQ(gainSettingForLevel(121), 0);
    EXPECT_EQ(gainValueOfSetting(5), 30);
}
