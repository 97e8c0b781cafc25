#include "measure/DistortionList.h"
#include "measure/HarmonicReply.h"
#include "model/FixedText.h"

#include <gtest/gtest.h>

using namespace orvik;

namespace {
constexpr float Fundamental = 110.0f;

// A point read at its nominal frequency with every harmonic 60 dB down and no stored THD.
DistortionEntry quietPoint(FreqIndex index) {
    const float down = Fundamental - 60.0f;
    return {frequencyHz(index), Fundamental, {down, down, down, down}, 0.0f};
}

TestSetup setupWith(std::initializer_list<FreqIndex> selected) {
    TestSetup setup{};
    setFixedText(setup.audType, QStringLiteral("1"));
    for (FreqIndex i : selected)
        setup.frequencySelected[i] = 1;
    return setup;
}

// The judged value under `key`, as "VALUE VERDICT"; empty when the row has none.
QString judged(const ResultRow& row, const char* key) {
    for (const JudgedValue& value : row.judgedValues)
        if (value.key == QLatin1String(key))
            return value.value + (value.verdict == RowVerdict::Pass ? " PASS" : " FAIL");
    return {};
}
} // namespace

// Each limit at its edge and just beyond, with the cell and the figure unattended runs report.
TEST(DistortionList, HarmonicsAndThdAreJudgedAtTheirLimits) {
    constexpr FreqIndex At1000 = freqIndexOf(1000.0f);
    const struct {
        bool bone;
        int harmonic;  // 0..3 for the 2nd..5th, -1 for the stored THD
        float value;   // dB below the fundamental, or THD in percent
        const char* key;
        int column;
        const char* cell;
        bool passes;
    } cases[] = {
        {false, 0, 34.0f, "h2", 3, "76.0", true},    // 2.0 %
        {false, 0, 33.9f, "h2", 3, "(76.1)", false},  // 2.02 %
        {false, 2, 50.5f, "h4", 5, "59.5", true},     // 0.30 %
        {false, 3, 50.4f, "h5", 6, "(59.6)", false},  // 0.302 %
        {false, -1, 2.5f, "thd", 7, "2.5", true},
        {false, -1, 2.51f, "thd", 7, "(2.5)", false},
        {true, 0, 26.1f, "h2", 3, "83.9", true},     // 4.95 %
        {true, 0, 25.9f, "h2", 3, "(84.1)", false},  // 5.07 %
        {true, 1, 33.9f, "h3", 4, "(76.1)", false},
    };
    for (const auto& c : cases) {
        const DistortionProfile& profile = c.bone ? boneDistortion() : earphoneDistortion();
        DistortionEntry entries[LowFrequencyCount]{};
        entries[At1000] = quietPoint(At1000);
        if (c.harmonic < 0)
            entries[At1000].thd = c.value;
        else
            entries[At1000].harmonic[c.harmonic] = Fundamental - c.value;
        const ResultList list = buildDistortionList(profile, setupWith({At1000}), entries);
        ASSERT_EQ(list.rows.size(), 1);
        const ResultRow& row = list.rows.front();
        const QString shown = QString::fromLatin1(c.cell).remove('(').remove(')');
        EXPECT_EQ(row.cells[c.column], c.cell) << c.key << ' ' << c.value;
        EXPECT_EQ(judged(row, c.key), shown + (c.passes ? " PASS" : " FAIL")) << c.key << ' ' << c.value;
        EXPECT_EQ(list.verdict, c.passes ? PageVerdict::AllPass : PageVerdict::AnyFails) << c.key << ' ' << c.value;
    }
}

// Harmonics not read show "----" and are not judged; the bone page judges the THD of what it shows even when a
// THD is stored, the earphone page the stored one.
TEST(DistortionList, RowsByWhatWasRead) {
    constexpr FreqIndex At6300 = freqIndexOf(6300.0f);
    constexpr FreqIndex At1000 = freqIndexOf(1000.0f);
    constexpr FreqIndex At125 = freqIndexOf(125.0f);
    DistortionEntry entries[LowFrequencyCount]{};
    entries[At6300] = {6300.0f, Fundamental, {Fundamental - 40.0f, 0.0f, 0.0f, 0.0f}, 1.0f};
    entries[At1000] = quietPoint(At1000);
    entries[At1000].frequency = 1010.2f; // beyond 1 %
    entries[At1000].thd = 9.0f;
    entries[At125] = quietPoint(At125);
    entries[At125].harmonic[0] = HarmonicsNotComputed;
    const TestSetup setup = setupWith({At125, At1000, At6300, freqIndexOf(8000.0f)});

    const ResultList earphone = buildDistortionList(earphoneDistortion(), setup, entries);
    ASSERT_EQ(earphone.rows.size(), 4);
    EXPECT_EQ(earphone.rows[0].cells, QStringList({"125", "125.0", "110.0", "(----)", "----", "----", "----", "----",
                                                   " 2.5"}));
    EXPECT_EQ(judged(earphone.rows[0], "h2"), "---- FAIL");
    EXPECT_EQ(earphone.rows[1].cells[1], "(1010.2)");
    EXPECT_EQ(judged(earphone.rows[1], "freq"), "1010.2 FAIL");
    EXPECT_EQ(earphone.rows[1].cells[7], "(9.0)");
    EXPECT_EQ(earphone.rows[2].cells, QStringList({"6300", "6300.0", "110.0", "70.0", "----", "----", "----", "1.0",
                                                   " 2.5"}));
    EXPECT_EQ(earphone.rows[2].verdict, RowVerdict::Pass);
    QStringList unmeasured(9, QStringLiteral("----"));
    unmeasured[0] = QStringLiteral("8000");
    EXPECT_EQ(earphone.rows[3].cells, unmeasured);
    EXPECT_EQ(earphone.rows[3].verdict, RowVerdict::NotJudged);

    const ResultList bone = buildDistortionList(boneDistortion(), setup, entries);
    ASSERT_EQ(bone.rows.size(), 1) << "the bone page offers 250 to 4000 Hz";
    EXPECT_EQ(bone.columns.last(), "Deviation");
    EXPECT_EQ(bone.rows[0].cells.mid(7), QStringList({"0.2", " 5.5", "-5.3"})) << "four harmonics 60 dB down";
}

TEST(HarmonicReply, DeepLevelsWrapAndDashesMeanNotComputed) {
    const struct {
        const char* reply;
        double db;
    } cases[] = {{"-60.0", -60.0}, {"-5.3", -5.3}, {"-05.3", -105.3}, {"-00.0", -100.0}, {"-10.0", -10.0}};
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(relativeHarmonicDb(c.reply), c.db) << c.reply;
    EXPECT_TRUE(harmonicsNotComputed(" --- "));
    EXPECT_FALSE(harmonicsNotComputed("-05.3"));
}
