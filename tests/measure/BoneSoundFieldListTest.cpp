// The bone vibrator and sound-field lists and the dial-level editor, without a meter: limits, references and cells.
#include "TestServices.h"
#include "core/Settings.h"
#include "measure/BoneLevelList.h"
#include "measure/ConditionsQuestion.h"
#include "measure/DialLevelEditor.h"
#include "measure/SoundFieldList.h"
#include "model/AudiometerRecord.h"
#include "model/InputLevelSettings.h"

#include <cstring>

#include <gtest/gtest.h>

using namespace orvik;

namespace {
constexpr FreqIndex Hz1000 = 12, Hz4000 = 20, Hz5000 = 21, Hz6000 = 22, Hz19000 = 37;

struct Lists : ::testing::Test {
    AudiometerRecord record{};
    qint16 dial[FrequencyCount]{};
    void SetUp() override {
        for (FreqIndex i = 0; i < FrequencyCount; ++i) {
            record.setup.frequencySelected[i] = 1;
            dial[i] = 40;
        }
    }
    const ResultRow& rowOf(const ResultList& list, FreqIndex i) {
        const auto found = std::find_if(list.rows.cbegin(), list.rows.cend(),
                                        [i](const ResultRow& row) { return row.frequency == i; });
        EXPECT_NE(found, list.rows.cend());
        return *found;
    }
};
} // namespace

// Force level = RETFL + dial + deviation; mastoid RETFL 42.5 at 1000 Hz, 40.0 at 5000 and 6000 Hz; forehead 51.0
// at 1000 Hz.
TEST_F(Lists, BoneRowsJudgeTheDeviationAgainstTheRetflOfThePlacement) {
    const struct {
        FreqIndex index;
        float forceLevel;
        bool forehead;
        RowVerdict verdict;
        const char* deviation;
    } cases[] = {
        {Hz5000, 75.5f, false, RowVerdict::Fail, "-4.5"},  {Hz6000, 75.5f, false, RowVerdict::Pass, "-4.5"},
        {Hz1000, 85.5f, false, RowVerdict::Pass, "3.0"},   {Hz1000, 85.6f, false, RowVerdict::Fail, "3.1"},
        {Hz1000, 85.5f, true, RowVerdict::Fail, "-5.5"},   {Hz1000, 94.0f, true, RowVerdict::Pass, "3.0"},
        {Hz1000, 10.0f, false, RowVerdict::NotJudged, ""},
    };
    for (const auto& c : cases) {
        BoneLevelBlock block{};
        block.forceLevel[c.index] = c.forceLevel;
        block.dialHl[c.index] = 40;
        block.placement = c.forehead ? 1 : 0;
        const ResultList list = buildBoneLevelList({record.setup, block, dial, false});
        const ResultRow& row = rowOf(list, c.index);
        EXPECT_EQ(row.verdict, c.verdict) << c.index << ' ' << c.forceLevel;
        EXPECT_EQ(row.judgedValue, QLatin1String(c.deviation)) << c.index << ' ' << c.forceLevel;
        if (c.verdict == RowVerdict::NotJudged)
            EXPECT_EQ(row.cells, (QStringList{"1000", "----", "----", "----"}));
    }
}

TEST_F(Lists, PlacementChangesOnlyTheRetflAndTheJudgement) {
    BoneLevelBlock block{};
    block.forceLevel[Hz1000] = 82.5f;
    block.dialHl[Hz1000] = 40;
    const QStringList columns{"Frequency", "In Lvl", "RETFL", "FL",        "Mast.",      "Mic.",
                              "T.",        "H.",     "P",     "Meas. Lvl", "Target Lvl", "Dev"};
    const ResultList mastoid = buildBoneLevelList({record.setup, block, dial, true});
    EXPECT_EQ(mastoid.columns, columns);
    EXPECT_EQ(rowOf(mastoid, Hz1000).cells, (QStringList{"1000", "40", "42.5", "82.5", "0.0", "0.0", "0.0", "0.0",
                                                         "0.0", "82.5", "82.5 +/- 3.0", "0.0"}));
    block.placement = 1;
    const ResultList forehead = buildBoneLevelList({record.setup, block, dial, true});
    EXPECT_EQ(rowOf(forehead, Hz1000).cells, (QStringList{"1000", "40", "51.0", "82.5", "0.0", "0.0", "0.0", "0.0",
                                                          "0.0", "82.5", "91.0 +/- 3.0", "-8.5"}));
    EXPECT_EQ(forehead.verdict, PageVerdict::AnyFails);
}

// Level = reference + dial + deviation; the speakers' 4000 Hz reference is -4.5 dB mono at 0 degrees, -6.5 dB
// binaural, and narrow band adds 6 dB at 1000 Hz (monaural 0 degrees: 4.0 dB).
TEST_F(Lists, SoundFieldLimitsByPageAndKind) {
    const struct {
        SoundFieldKind kind;
        bool binaural;
        FreqIndex index;
        float level;
        RowVerdict verdict;
        const char* levelCell;
    } cases[] = {
        {SoundFieldKind::WarbleTone, false, Hz4000, 39.5f, RowVerdict::Fail, "39.5"},
        {SoundFieldKind::WarbleTone, true, Hz4000, 37.5f, RowVerdict::Pass, "37.5"},
        {SoundFieldKind::NarrowBand, false, Hz1000, 55.0f, RowVerdict::Pass, "55.0"},
        {SoundFieldKind::NarrowBand, false, Hz1000, 46.9f, RowVerdict::Fail, "(46.9)"},
        {SoundFieldKind::WarbleTone, true, Hz19000, 60.0f, RowVerdict::NotJudged, "60.0"},
    };
    for (const auto& c : cases) {
        SoundFieldBlock block{};
        block.level[c.index] = c.level;
        block.dialHl[c.index] = 40;
        block.binaural = c.binaural ? 1 : 0;
        const ResultList list = buildSoundFieldList({record.setup, block, dial, c.kind});
        const ResultRow& row = rowOf(list, c.index);
        EXPECT_EQ(row.verdict, c.verdict) << c.index << ' ' << c.level;
        EXPECT_EQ(row.cells.value(1), QLatin1String(c.levelCell)) << c.index << ' ' << c.level;
    }
}

TEST_F(Lists, AngleChoosesTheMonauralReference) {
    SoundFieldBlock block{};
    block.level[Hz1000] = 44.0f; // 4.0 at 0 degrees, 0.0 at 45, -1.5 at 90
    block.dialHl[Hz1000] = 40;
    const char* targets[] = {"41.0 to 47.0", "37.0 to 43.0", "35.5 to 41.5"};
    for (int angle = 0; angle < 3; ++angle) {
        block.angle = qint16(angle);
        const ResultList list = buildSoundFieldList({record.setup, block, dial, SoundFieldKind::WarbleTone});
        EXPECT_EQ(rowOf(list, Hz1000).cells.value(4), QLatin1String(targets[angle])) << angle;
    }
}

TEST(DialLevels, PagesEditTheirRangeAndReachTheRecordOnCommit) {
    test::TestServices t;
    AudiometerRecord record{};
    const struct {
        int test;
        TransducerKind transducer;
        DialLevelRange range;
        FreqIndex first, last;
        qint16 firstDefault, lastDefault;
    } cases[] = {
        {0, TransducerKind::SupraAural, DialLevelRange::Low, 0, 24, 70, 70},
        {7, TransducerKind::SoundField, DialLevelRange::High, 25, 38, 70, 70},
        {0, TransducerKind::BoneVibrator, DialLevelRange::Bone, 5, 24, 20, 40},
    };
    for (const auto& c : cases) {
        DialLevelEditor editor(record, t.settings, c.test, c.transducer, c.range);
        InputLevelTable& table = c.test == 7 ? record.results.inputLevels.narrowBand[int(c.transducer)]
                                             : record.results.inputLevels.hearingLevel[int(c.transducer)];
        EXPECT_EQ(editor.frequencies().front(), c.first);
        EXPECT_EQ(editor.frequencies().back(), c.last);
        editor.setToDefaults();
        EXPECT_EQ(editor.level(c.first), c.firstDefault);
        EXPECT_EQ(editor.level(c.last), c.lastDefault);
        editor.setAll(55);
        editor.setLevel(c.last, 500);
        EXPECT_EQ(table.level[c.first], 0) << "only a commit reaches the record";
        editor.commit();
        EXPECT_EQ(table.level[c.first], 55);
        EXPECT_EQ(table.level[c.last], DialLevelEditor::HighestLevel);
        if (c.first > 0)
            EXPECT_EQ(table.level[c.first - 1], 0) << "levels outside the page stay";
    }
}

TEST(DialLevels, BoneDefaultsLockTheFieldsAndSaveIsRemembered) {
    test::TestServices t;
    AudiometerRecord record{};
    DialLevelEditor editor(record, t.settings, 0, TransducerKind::BoneVibrator, DialLevelRange::Bone);
    editor.setAll(30);
    editor.setUseDefaults(true);
    editor.setLevel(10, 60);
    editor.setAll(60);
    EXPECT_EQ(editor.level(5), 20);
    EXPECT_EQ(editor.level(10), 40);
    editor.save();
    EXPECT_EQ(record.results.inputLevels.hearingLevel[1].level[5], 20);
    EXPECT_EQ(t.settings.readInt(Section::Settings, QStringLiteral("BoneHL Input RFREQ_250"), 0), 20);
    EXPECT_EQ(t.settings.readInt(Section::Settings, InputLevelSettings::boneHearingLevelName(24), 0), 40);
}

// The Adjust display asks with the maker's mastoid below 17 °C only; a cancel leaves the defaults, not the cold.
TEST(AdjustConditions, AskedBelowTheMastoidsRangeAndDefaultedOnCancel) {
    const struct {
        const char* maker;
        float temperature;
        bool answer; // OK stores 20.0 °C
        bool asked;
        float stored;
    } cases[] = {
        {"Veltan Quirn", 16.0f, false, true, 23.0f}, {"Veltan Quirn", 16.0f, true, true, 20.0f},
        {"Veltan Quirn", 17.0f, true, false, 17.0f}, {"Brook Acoustics", 10.0f, true, false, 10.0f},
    };
    for (const auto& c : cases) {
        TestSetup setup{};
        std::strncpy(setup.instruments.mastoid.identity.manufacturer, c.maker, 20);
        setup.temperature = c.temperature;
        int asks = 0;
        ConditionsQuestion question;
        question.ask = [&](TestSetup& s) {
            ++asks;
            s.temperature = 20.0f;
            return c.answer;
        };
        EXPECT_EQ(askAdjustConditions(question, setup), c.asked) << c.maker << ' ' << c.temperature;
        EXPECT_EQ(asks, c.asked ? 1 : 0);
        EXPECT_EQ(setup.temperature, c.stored) << c.maker << ' ' << c.temperature;
        if (c.asked && !c.answer) {
            EXPECT_EQ(setup.humidity, 50);
            EXPECT_EQ(setup.pressure, 760.0f);
        }
    }
}
