#include "ambient/BoothInstruments.h"
#include "ambient/LevelPage.h"
#include "ambient/SpectrumAverage.h"
#include "equipment/InstrumentEntry.h"
#include "model/FixedText.h"

#include "ScriptedMessageBox.h"

#include <gtest/gtest.h>

namespace orvik {
namespace {

constexpr int Band1000 = 19;
constexpr int Band4000 = 25;

AmbientRecord recordWith(std::initializer_list<std::pair<int, float>> levels, const char* date = "2024-05-02") {
    AmbientRecord record = clearedAmbientRecord();
    setFixedText(record.measurementDate, QString::fromLatin1(date));
    for (auto [band, level] : levels)
        record.spectrum[band] = level;
    return record;
}

const LevelRow& rowLabelled(const std::vector<LevelRow>& rows, const char* label) {
    for (const LevelRow& row : rows)
        if (row.label == QLatin1String(label))
            return row;
    throw std::runtime_error(label);
}

TEST(BoothLimitSet, TheDateChoosesTheSetAndTheCutOffDayIsOld) {
    const struct {
        const char* date;
        LimitSet expected;
    } cases[] = {
        {"2010-03-10", LimitSet::Older}, {"2010-03-11", LimitSet::Newer}, {"", LimitSet::Newer},
        {"03/10/2010", LimitSet::Older}, {"3/11/2010", LimitSet::Newer},  {"1999-01-01", LimitSet::Older},
        {"not a date", LimitSet::Older},
    };
    for (const auto& c : cases)
        EXPECT_EQ(limitSetFor(QString::fromLatin1(c.date)), c.expected) << c.date;
}

TEST(BoothLevelPage, EqualToALimitPassesAndAboveFailsWithParenthesesAndMark) {
    // 1000 Hz, newer set: covered 21.0, not covered 8.0.
    const struct {
        float level;
        const char* covered;
        const char* notCovered;
        bool marked;
    } cases[] = {
        {8.0f, "21.0", "8.0", false},
        {8.1f, "21.0", "(8.0)", true},
        {21.0f, "21.0", "(8.0)", true},
        {21.5f, "(21.0)", "(8.0)", true},
    };
    for (const auto& c : cases) {
        const LevelRow row = rowLabelled(levelPageRows(recordWith({{Band1000, c.level}}), 0, true), "1000");
        EXPECT_EQ(row.limitText, QLatin1String(c.covered)) << c.level;
        EXPECT_EQ(row.notCoveredText, QLatin1String(c.notCovered)) << c.level;
        EXPECT_EQ(row.marked, c.marked) << c.level;
    }
}

TEST(BoothLevelPage, UnmeasuredBandsShowDashesAndNeverFail) {
    const std::vector<LevelRow> rows = levelPageRows(recordWith({{Band1000, -50.0f}}), 2, true);
    ASSERT_EQ(rows.size(), 11u);
    for (const LevelRow& row : rows) {
        EXPECT_EQ(row.measuredText, QStringLiteral("----")) << row.label.toStdString();
        EXPECT_FALSE(row.marked);
        EXPECT_EQ(row.verdict, BandVerdict::NotMeasured);
    }
    EXPECT_EQ(rowLabelled(levelPageRows(recordWith({{Band1000, -49.9f}}), 0, true), "1000").measuredText,
              QStringLiteral("-49.9"));
}

TEST(BoothLevelPage, ShowFailOffHidesFailuresButTheVerdictStays) {
    const LevelRow row = rowLabelled(levelPageRows(recordWith({{Band4000, 40.0f}}), 1, false), "4000");
    EXPECT_EQ(row.limitText, QStringLiteral("32.0"));
    EXPECT_EQ(row.notCoveredText, QStringLiteral("6.0"));
    EXPECT_FALSE(row.marked);
    EXPECT_EQ(row.verdict, BandVerdict::Fail);
}

TEST(BoothLevelPage, OlderSetAndOshaPageReadTheirOwnLimits) {
    // 21.3 dB at 1000 Hz fails the newer covered 21.0 but not the older 21.5.
    const AmbientRecord older = recordWith({{Band1000, 21.3f}}, "2010-03-10");
    EXPECT_EQ(rowLabelled(levelPageRows(older, 0, true), "1000").verdict, BandVerdict::Pass);
    EXPECT_EQ(rowLabelled(levelPageRows(older, 0, true), "2000").limit, 23.0f);
    EXPECT_EQ(rowLabelled(levelPageRows(recordWith({{Band1000, 21.3f}}), 0, true), "1000").verdict, BandVerdict::Fail);

    const std::vector<LevelRow> osha = levelPageRows(recordWith({{Band4000, 57.1f}}), OshaRange, true);
    QStringList labels;
    for (const LevelRow& row : osha)
        labels << row.label;
    EXPECT_EQ(labels, QStringList({"500", "1000", "2000", "4000", "8000"}));
    EXPECT_EQ(rowLabelled(osha, "4000").limitText, QStringLiteral("(57.0)"));
    EXPECT_TRUE(rowLabelled(osha, "4000").marked);
}

TEST(BoothAverage, TenSamplesAverageTheProgramsWayNotByEnergy) {
    SpectrumAverage average;
    std::array<double, AmbientBandCount> levels{};
    for (int sample = 0; sample < 10; ++sample) {
        levels.fill(sample < 5 ? 40.0 : 41.0);
        average.addLevels(levels);
    }
    EXPECT_NEAR(average.result()[Band1000], 40.74, 0.005); // the energy mean would be 40.54
}

TEST(BoothAverage, ABlockIsReadAsWholeAndFractionalDecibelsPlusOffsetWithTheLastBandCut) {
    QByteArray block(69, '\0');
    block[3 + 2 * Band1000] = char(30);
    block[4 + 2 * Band1000] = char(128); // 30.5 dB
    block[67] = char(50);                // band 32 lies beyond the 67 bytes read
    SpectrumAverage average;
    average.add(block, -1.25f);
    EXPECT_NEAR(average.result()[Band1000], 29.25f, 1e-4);
    EXPECT_NEAR(average.result()[32], -1.25f, 1e-4);
}

InstrumentEntry instrument(InstrumentKind kind, const char* serial) {
    InstrumentEntry entry = emptyInstrumentEntry(kind);
    setFixedText(entry.identity.serialNumber, QString::fromLatin1(serial));
    return entry;
}

TEST(BoothInstruments, OnlyALoneListedInstrumentStandsInForAMissingChoice) {
    InstrumentLists lists;
    lists.list(InstrumentKind::SoundLevelMeter).push_back(instrument(InstrumentKind::SoundLevelMeter, "S1"));
    lists.list(InstrumentKind::Preamp).push_back(instrument(InstrumentKind::Preamp, ""));
    lists.list(InstrumentKind::Microphone).push_back(instrument(InstrumentKind::Microphone, "M1"));
    lists.list(InstrumentKind::Microphone).push_back(instrument(InstrumentKind::Microphone, "M2"));

    AmbientRecord record = clearedAmbientRecord();
    test::ScriptedMessageBox messages;
    messages.acknowledgeAll();
    EXPECT_FALSE(checkBoothInstruments(record, lists, messages));
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(messages.texts()[0].endsWith(QStringLiteral("the following:\n\n    Preamp\n    Mic\n")));
    EXPECT_EQ(fixedText(record.soundLevelMeter.serialNumber), QStringLiteral("S1"));

    lists.list(InstrumentKind::Microphone).pop_back();
    setFixedText(record.preamp.serialNumber, QStringLiteral("P9"));
    EXPECT_TRUE(checkBoothInstruments(record, lists, messages));
    EXPECT_EQ(fixedText(record.microphone.identity.serialNumber), QStringLiteral("M1"));
    EXPECT_EQ(fixedText(record.preamp.serialNumber), QStringLiteral("P9"));
}

} // namespace
} // namespace orvik
