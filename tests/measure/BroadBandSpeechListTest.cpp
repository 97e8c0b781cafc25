#include "measure/BroadBandMeasurement.h"
#include "measure/BroadBandSpectrum.h"
#include "measure/DialSettingText.h"
#include "measure/SpeechJudgement.h"
#include "ScriptedMessageBox.h"

#include <gtest/gtest.h>

using namespace orvik;

namespace {
// A broad-band source 60 dB flat, with some lines moved by the given amounts (Hz → dB).
BroadBandSource sourceWith(std::initializer_list<std::pair<double, float>> moved) {
    BroadBandSource source{};
    std::fill(std::begin(source.level), std::end(source.level), 60.0f);
    for (const auto& [hz, db] : moved)
        source.level[broadBandLineOf(hz)] += db;
    return source;
}
} // namespace

// Deviation is the 1000 Hz level minus the level at the frequency: a line 6 dB up reads -6.0.
TEST(BroadBandJudgement, DeviationsAgainstThe1000HzLevel) {
    const struct {
        const char* name;
        BroadBandSource source;
        double maxDeviation;
        double atHz;
        int failures;
    } cases[] = {
        {"flat", sourceWith({}), 0.0, 250.0, 0},
        {"within 5 dB everywhere", sourceWith({{250, 4.9f}, {5000, -4.9f}, {2500, 3.0f}}), -4.9, 250.0, 0},
        {"on the bound", sourceWith({{3000, -5.0f}}), 5.0, 3000.0, 0},
        {"-6 at 300 Hz, +5.5 at 4000 Hz", sourceWith({{300, 6.0f}, {4000, -5.5f}}), -6.0, 300.0, 2},
        {"outside 250..5000 Hz not judged", sourceWith({{225, 9.0f}, {5025, -9.0f}}), 0.0, 250.0, 0},
        {"1000 Hz itself high", sourceWith({{1000, 5.5f}}), 5.5, 250.0, 190},
    };
    for (const auto& c : cases) {
        const BroadBandJudgement judgement = judgeBroadBand(c.source);
        EXPECT_NEAR(judgement.maxDeviation, c.maxDeviation, 1e-4) << c.name;
        EXPECT_EQ(judgement.maxDeviationHz, c.atHz) << c.name;
        EXPECT_EQ(judgement.failures, c.failures) << c.name;
    }
}

TEST(BroadBandJudgement, GridFrequenciesAreLinesTwentyFiveHertzApart) {
    EXPECT_EQ(broadBandLineOf(1000.0), 40);
    EXPECT_EQ(broadBandLineOf(250.0), 10);
    EXPECT_EQ(broadBandLineOf(5000.0), 200);
    EXPECT_EQ(broadBandLineHz(broadBandLineOf(4975.0)), 4975.0);
}

// Whole dB then 256ths from byte 10 on, plus the offset; the last line has no fraction byte in the block.
TEST(BroadBandJudgement, BlockLevelsCarryTheCalibrationOffset) {
    QByteArray block(811, '\0');
    block[10] = char(12);
    block[11] = char(128);
    block[10 + 2 * 40] = char(70);
    block[810] = char(33);
    float levels[BroadBandLevelCount]{};
    ASSERT_TRUE(broadBandLevelsFromBlock(block, -0.25f, levels));
    EXPECT_FLOAT_EQ(levels[0], 12.25f);
    EXPECT_FLOAT_EQ(levels[40], 69.75f);
    EXPECT_FLOAT_EQ(levels[400], 32.75f);
    EXPECT_FALSE(broadBandLevelsFromBlock(block.left(800), 0.0f, levels));
}

// The other views show one level a source and judge nothing; an unmeasured source (1000 Hz at 10 dB) shows none.
TEST(BroadBandJudgement, ListViewsOfTheSources) {
    BroadBandSource sources[BroadBandSourceCount] = {sourceWith({{1000, 2.0f}}), sourceWith({{300, 6.0f}}), {}};
    sources[2].level[40] = 10.0f;
    const struct {
        BroadBandListView view;
        QStringList first;
        PageVerdict verdict;
    } cases[] = {
        {BroadBandListView::Deviation, {"White Noise", "+-5.0 dB", "2.0", "250", "0", "Pass"}, PageVerdict::AnyFails},
        {BroadBandListView::OverallSpl, {"White Noise", "86.0"}, PageVerdict::NoneJudged},
        {BroadBandListView::SplAt1000, {"White Noise", "62.0"}, PageVerdict::NoneJudged},
    };
    for (const auto& c : cases) {
        const ResultList list = buildBroadBandList(sources, c.view);
        EXPECT_EQ(list.rows[0].cells, c.first);
        EXPECT_EQ(list.rows[2].cells.value(1), c.view == BroadBandListView::Deviation ? "+-5.0 dB" : "----");
        EXPECT_EQ(list.verdict, c.verdict);
    }
}

TEST(DialSetting, OnlyWholeNumbersAreTaken) {
    const struct {
        const char* text;
        bool taken;
        int dial;
    } cases[] = {{"70", true, 70}, {" -10 ", true, -10}, {"7a", false, 55}, {"", false, 55}, {"65.5", false, 55},
                 {"40000", false, 55}};
    for (const auto& c : cases) {
        test::ScriptedMessageBox messages;
        messages.acknowledgeAll();
        int dial = 55;
        EXPECT_EQ(readDialSetting(QString::fromLatin1(c.text), dial, messages), c.taken) << c.text;
        EXPECT_EQ(dial, c.dial) << c.text;
        EXPECT_EQ(messages.texts(), c.taken ? QStringList{} : QStringList{"Invalid number in HL Dial Setting field."})
            << c.text;
    }
}

// Speech sources: reference + dial is the target, -3..+3 dB around it, or -3..+5 dB on the fixed references of the
// alternate modes; white noise is 13 dB above its dial with -3..+5 dB.
TEST(SpeechJudgement, SourcesAreJudgedInTheirOwnBands) {
    TestSetup setup{};
    setup.supraAural.retspl[freqIndexOf(1000.0f)] = 7.0f; // speech reference 19.5
    const struct {
        AlternateModeKind mode;
        int source;
        float measured; // at a dial of 50
        const char* deviation;
        bool passes;
        const char* target;
    } cases[] = {
        {AlternateModeKind::Off, 0, 72.5f, "3.0", true, "66.5 to 72.5"},
        {AlternateModeKind::Off, 1, 72.7f, "3.2", false, "66.5 to 72.5"},
        {AlternateModeKind::Off, 3, 66.3f, "-3.2", false, "66.5 to 72.5"},
        {AlternateModeKind::One, 0, 81.9f, "4.9", true, "74.0 to 82.0"},
        {AlternateModeKind::One, 2, 82.2f, "5.2", false, "74.0 to 82.0"},
        {AlternateModeKind::Two, 0, 71.8f, "-3.2", false, "72.0 to 80.0"},
        {AlternateModeKind::Off, 4, 67.5f, "4.5", true, "60.0 to 68.0"},
        {AlternateModeKind::Off, 4, 68.4f, "5.4", false, "60.0 to 68.0"},
    };
    for (const auto& c : cases) {
        SpeechSource sources[SpeechSourceCount]{};
        sources[c.source] = {c.measured, 50, 0, 0};
        const ResultList list = buildSpeechList(setup, TransducerKind::SupraAural, sources, c.mode);
        const ResultRow& row = list.rows[c.source];
        const QString what = QStringLiteral("%1 %2").arg(speechSourceName(c.source)).arg(int(c.mode));
        EXPECT_EQ(row.judgedValue, QLatin1String(c.deviation)) << qPrintable(what);
        EXPECT_EQ(row.verdict, c.passes ? RowVerdict::Pass : RowVerdict::Fail) << qPrintable(what);
        EXPECT_EQ(row.cells[4], QLatin1String(c.target)) << qPrintable(what);
        EXPECT_EQ(row.point, speechSourceKey(c.source));
        EXPECT_EQ(list.verdict, c.passes ? PageVerdict::AllPass : PageVerdict::AnyFails) << "unmeasured rows count not";
    }
}

TEST(SpeechJudgement, MissingReferenceGreysTheRowUnjudged) {
    TestSetup setup{};
    SpeechSource sources[SpeechSourceCount]{};
    sources[0] = {70.0f, 50, 0, 0};
    const ResultList list = buildSpeechList(setup, TransducerKind::SupraAural, sources, AlternateModeKind::Off);
    EXPECT_TRUE(list.rows[0].greyed);
    EXPECT_EQ(list.rows[0].verdict, RowVerdict::NotJudged);
    EXPECT_EQ(list.verdict, PageVerdict::NoneJudged);
}
