#include "model/InputLevelSettings.h"
#include "core/Settings.h"
#include "core/SettingsStore.h"

#include <gtest/gtest.h>

#include <cstring>

namespace orvik {
namespace {

namespace ILS = InputLevelSettings;

InputLevels zeroLevels() {
    InputLevels levels;
    std::memset(&levels, 0, sizeof levels);
    return levels;
}

TEST(InputLevelSettings, NamesCarryTransducerAndFrequencyKey) {
    EXPECT_EQ(ILS::hearingLevelName(0, 14), QLatin1String("HL Input_0 RFREQ_1600"));
    EXPECT_EQ(ILS::narrowBandName(4, 31), QLatin1String("NB Input_4 RFREQ_13k"));
    EXPECT_EQ(ILS::boneHearingLevelName(5), QLatin1String("BoneHL Input RFREQ_250"));
    EXPECT_EQ(ILS::speechName(3), QLatin1String("SpeechInput_3"));
    EXPECT_EQ(ILS::speechName(1), QLatin1String("BoneSpeechInput"));
    EXPECT_EQ(ILS::broadBandName(2), QLatin1String("BroadBandInput_2"));
}

TEST(InputLevelSettings, EmptySettingsGiveTheDefaults) {
    MemorySettingsStore store;
    InputLevels levels = zeroLevels();
    ILS::load(levels, store);
    const struct {
        const char* name;
        int actual;
        int expected;
    } rows[] = {
        {"supra-aural 31.5 Hz", levels.hearingLevel[0].level[0], 70},
        {"speakers 20000 Hz", levels.hearingLevel[2].level[38], 70},
        {"insert narrow band", levels.narrowBand[3].level[12], 70},
        {"circumaural speech", levels.speech[4], 70},
        {"supra-aural broad band", levels.broadBand[0], 70},
        {"bone 250 Hz", levels.hearingLevel[1].level[5], 20},
        {"bone 315 Hz", levels.hearingLevel[1].level[6], 40},
        {"bone 8000 Hz", levels.hearingLevel[1].level[24], 40},
        {"bone below 250 Hz is not kept", levels.hearingLevel[1].level[4], 0},
        {"bone above 8000 Hz is not kept", levels.hearingLevel[1].level[25], 0},
        {"bone speech", levels.speech[1], 40},
        {"bone has no broad band", levels.broadBand[1], 0},
        {"default table, low page", levels.hearingLevel[0].defaults[2], 70},
        {"default table, bone 250 Hz", levels.hearingLevel[1].defaults[5], 20},
    };
    for (const auto& row : rows)
        EXPECT_EQ(row.actual, row.expected) << row.name;
}

TEST(InputLevelSettings, SaveWritesExactlyTheRememberedNamesAndLoadReadsThemBack) {
    MemorySettingsStore store;
    InputLevels levels = zeroLevels();
    ILS::load(levels, store);
    levels.hearingLevel[0].level[14] = 55;
    levels.hearingLevel[1].level[5] = 25;
    levels.narrowBand[2].level[0] = 60;
    levels.speech[1] = 35;
    levels.broadBand[4] = 80;
    levels.hearingLevel[1].level[30] = 99; // outside the bone range: never stored
    ILS::save(levels, store);

    // Four transducers x 39 frequencies x (HL + NB) + speech + broad band; bone: 20 levels + speech.
    EXPECT_EQ(store.size(), 4 * (2 * 39 + 2) + 20 + 1);
    EXPECT_EQ(store.readInt(Section::Settings, QStringLiteral("HL Input_0 RFREQ_1600"), 0), 55);
    EXPECT_EQ(store.readInt(Section::Settings, QStringLiteral("BoneHL Input RFREQ_250"), 0), 25);
    EXPECT_FALSE(store.contains(Section::Settings, QStringLiteral("HL Input_1 RFREQ_250")));
    EXPECT_FALSE(store.contains(Section::Settings, QStringLiteral("NB Input_1 RFREQ_250")));

    InputLevels reloaded = zeroLevels();
    ILS::load(reloaded, store);
    EXPECT_EQ(reloaded.hearingLevel[0].level[14], 55);
    EXPECT_EQ(reloaded.narrowBand[2].level[0], 60);
    EXPECT_EQ(reloaded.speech[1], 35);
    EXPECT_EQ(reloaded.broadBand[4], 80);
    EXPECT_EQ(reloaded.hearingLevel[1].level[30], 0);
}

TEST(InputLevelSettings, ValuesThatDoNotFitFallBackToTheDefault) {
    MemorySettingsStore store;
    store.writeInt(Section::Settings, QStringLiteral("HL Input_0 RFREQ_1K"), 70000);
    store.writeInt(Section::Settings, QStringLiteral("BoneHL Input RFREQ_250"), -40000);
    store.writeInt(Section::Settings, QStringLiteral("SpeechInput_0"), -10);
    InputLevels levels = zeroLevels();
    ILS::load(levels, store);
    EXPECT_EQ(levels.hearingLevel[0].level[12], 70);
    EXPECT_EQ(levels.hearingLevel[1].level[5], 20);
    EXPECT_EQ(levels.speech[0], -10);
}

} // namespace
} // namespace orvik
