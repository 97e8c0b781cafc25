#include "SimBench.h"
#include "core/Settings.h"
#include "measure/LiveLevelMonitor.h"
#include "measure/ToneMeasurement.h"
#include "model/FixedText.h"

#include <cstring>

#include <gtest/gtest.h>

using namespace orvik;
using namespace orvik::test;

namespace {
// Frequency accuracy, FM and narrow band of the left supra-aural earphone over the simulated link.
struct KindRun : ::testing::Test, SimBench {
    void SetUp() override { ASSERT_TRUE(connect()); }
    ToneMeasurement page(ToneKind kind) {
        ToneMeasurement p(record, *link, TransducerKind::SupraAural, Channel::Left, kind);
        p.setDialLevels(kind == ToneKind::NarrowBand ? record.results.inputLevels.narrowBand[0].level
                                                     : record.results.inputLevels.hearingLevel[0].level);
        return p;
    }
};
} // namespace

TEST_F(KindRun, FrequencyAccuracyJudgesByTheAudiometerType) {
    audiometer().frequencyErrorPercent = 1.5;
    const struct {
        const char* type;
        PageVerdict verdict;
    } cases[] = {{"1", PageVerdict::AnyFails}, {"3", PageVerdict::AllPass}};
    for (const auto& c : cases) {
        setFixedText(record.setup.audType, QString::fromLatin1(c.type));
        ToneMeasurement p = page(ToneKind::Frequency);
        t.messages.answer("Start 'Measure All' from the beginning", MessageAnswer::Yes);
        EXPECT_EQ(p.measureAll(), 0);
        EXPECT_EQ(p.takeDataBack(), c.verdict) << c.type;
    }
    for (FreqIndex i : DefaultFrequencyIndices)
        EXPECT_NEAR(record.results.tone[0][0][i].frequency, frequencyHz(i) * 1.015, 1.0) << i;
    EXPECT_EQ(technician.followed().front(), "Set 80 dBHL (or max level) Left at 125 Hz");
}

TEST_F(KindRun, SilentToneIsAFrequencyTooLow) {
    const QString dial = " 80 dBHL (or max level) Left at 125 Hz";
    const struct {
        bool selectedRun;
        QString question;
    } cases[] = {
        {false,
         "Measured frequency was too low (0 Hz).\n\nWould you like to measure again at 125 Hz?\n(Please check the "
         "audiometer to make sure the signal is on\nand that it is set to" +
             dial +
             ".\nAlso check the K37 to make sure it is measuring data.)\n\nClick Yes to re-measure at this "
             "frequency.\nClick No to go on to the next frequency (if there is one).\nClick Cancel to cancel the "
             "measurement."},
        {true,
         "Measured frequency was too low (0 Hz).\n\nWould you like to measure again at 125 Hz?\n(Please check the "
         "audiometer to make sure the signal is on\nand that it is set to " +
             dial +
             ".\nAlso check the K37 to make sure it is measuring data.)\n\nClick Yes to re-measure at this "
             "frequency.\nClick No to cancel the measurement."},
    };
    for (const auto& c : cases) {
        t.messages.clear();
        t.messages.answer("Measured frequency was too low", MessageAnswer::Cancel, 1);
        ToneMeasurement p = page(ToneKind::Frequency);
        p.fillList();
        // The technician follows the prompt, but the audiometer gives no sound at 125 Hz.
        audiometer().levelErrorDb.insert(125.0, -200.0);
        EXPECT_EQ(c.selectedRun ? p.measureSelected({0}) : p.measureAll(), Status::Cancelled);
        ASSERT_EQ(t.messages.texts().size(), 1);
        EXPECT_EQ(t.messages.texts().front(), c.question);
        EXPECT_EQ(float(p.blocks().tone[2].frequency), 0.0f);
    }
}

TEST_F(KindRun, FmWithAConfiguredRateOf3HzFailsEveryPoint) {
    record.setup.fmDeviation = 10.0f; // the simulated audiometer sweeps 5 % each side
    const struct {
        float rate;
        bool passes;
    } cases[] = {{5.0f, true}, {3.0f, false}};
    for (const auto& c : cases) {
        record.setup.fmRate = c.rate;
        audiometer().fm.rateHz = c.rate;
        std::memset(record.results.fm, 0, sizeof record.results.fm);
        ToneMeasurement p = page(ToneKind::Fm);
        EXPECT_EQ(p.measureAll(), 0);
        p.takeDataBack();
        ASSERT_EQ(p.list().rows.size(), 11);
        for (const ResultRow& row : p.list().rows) {
            EXPECT_EQ(row.cells[5].startsWith('('), !c.passes) << row.cells.join(' ').toStdString();
            EXPECT_FALSE(row.cells[1].startsWith('(')) << row.cells.join(' ').toStdString();
        }
        EXPECT_EQ(p.verdict(), c.passes ? PageVerdict::AllPass : PageVerdict::AnyFails);
    }
    EXPECT_TRUE(technician.followed().front().startsWith("Set FM 90 dBHL (or max level) Left at 125 Hz"));
    EXPECT_TRUE(t.messages.texts().isEmpty()) << t.messages.texts().join('\n').toStdString();
}

TEST_F(KindRun, CancelledFmReadingKeepsOrRestoresAsTheTechnicianSays) {
    record.setup.fmRate = 5.0f;
    record.setup.fmDeviation = 10.0f;
    const FmEntry earlier{111.0f, 5.0f, 100.0f, 120.0f, 0, 0};
    // Cancel while the second of the three readings of the first point (125 Hz) runs.
    bool armed = false;
    t.clock.onPump([&] {
        if (armed && !t.progress.statusTexts.isEmpty() && t.progress.statusTexts.last().contains("Measuring 2 of 3")) {
            armed = false;
            t.progress.cancelNow();
        }
    });
    const struct {
        MessageAnswer save;
        bool kept;
    } cases[] = {{MessageAnswer::No, false}, {MessageAnswer::Yes, true}};
    for (const auto& c : cases) {
        record.results.fm[0][0][2] = earlier;
        ToneMeasurement p = page(ToneKind::Fm);
        t.messages.clear();
        t.messages.answer("Do you wish to save your new readings?", c.save, 1);
        t.messages.answer("Start 'Measure All' from the beginning (Yes), or after 125 Hz?", MessageAnswer::Yes, 1);
        t.progress.statusTexts.clear();
        armed = true;
        EXPECT_EQ(p.measureAll(), Status::Cancelled);
        EXPECT_EQ(t.messages.count("Do you wish to save your new readings?"), 1);
        EXPECT_EQ(float(p.blocks().fm[2].carrier) != float(earlier.carrier), c.kept) << int(c.save);
        EXPECT_EQ(float(p.blocks().fm[5].carrier), 0.0f); // the run ended at the cancelled point
    }
}

TEST_F(KindRun, NarrowBandNeverPromptsFrom9000Hz) {
    for (float hz : {9000.f, 10000.f, 20000.f})
        record.setup.frequencySelected[freqIndexOf(hz)] = 1;
    t.messages.answer("RETSPL not defined", MessageAnswer::Ok);
    ToneMeasurement p = page(ToneKind::NarrowBand);
    EXPECT_EQ(p.measureAll(), 0);
    p.takeDataBack();
    EXPECT_EQ(technician.followed().size(), 11);
    for (const QString& prompt : technician.followed())
        EXPECT_TRUE(prompt.startsWith("Set NB 70 dBHL Left at ")) << prompt.toStdString();
    EXPECT_EQ(technician.followed().back(), "Set NB 70 dBHL Left at 8000 Hz");
    EXPECT_EQ(p.list().rows.size(), 11);
    EXPECT_EQ(p.verdict(), PageVerdict::AllPass);
}

TEST_F(KindRun, MeasureSelectedTakesTheRowsFrequencies) {
    ToneMeasurement p = page(ToneKind::HearingLevel);
    p.fillList();
    p.measureSelected({});
    EXPECT_TRUE(technician.followed().isEmpty());
    EXPECT_EQ(p.measureSelected({1, 4}), 0); // 250 and 1000 Hz
    EXPECT_EQ(technician.followed(), (QStringList{"Set 70 dBHL Left at 250 Hz", "Set 70 dBHL Left at 1000 Hz"}));
    EXPECT_GT(float(p.blocks().tone[5].spl), NotMeasuredLimit);
    EXPECT_EQ(float(p.blocks().tone[2].spl), 0.0f);
}

TEST_F(KindRun, AppliedCorrectionsAddTheirColumns) {
    ToneMeasurement p = page(ToneKind::HearingLevel);
    p.fillList();
    EXPECT_EQ(p.list().columns.size(), 5);
    p.toggleAppliedCorrections();
    EXPECT_EQ(p.list().columns, (QStringList{"Frequency", "Measured SPL", "Hearing Level", "Deviation", "Target SPL",
                                             "RETSPL", "HL Low", "HL High"}));
    const ResultRow& row = p.list().rows[4]; // 1000 Hz, not measured yet
    EXPECT_EQ(row.cells.mid(1, 4), (QStringList{"----", "----", "----", "----"}));
    EXPECT_EQ(row.cells[6], "-3.0");
    ToneMeasurement fm = page(ToneKind::Fm);
    fm.toggleAppliedCorrections();
    EXPECT_FALSE(fm.showsAppliedCorrections());
}

TEST_F(KindRun, MissingReferenceGreysTheRowAndWarnsOnce) {
    record.setup.supraAural.retspl[12] = 0.0f; // 1000 Hz
    record.setup.supraAural.retspl[20] = 0.0f; // 4000 Hz
    t.messages.answer("RETSPL not defined for 1000, 4000 Hz, \nTest results", MessageAnswer::Ok);
    ToneMeasurement p = page(ToneKind::HearingLevel);
    p.fillList();
    EXPECT_EQ(t.messages.count("RETSPL not defined"), 1);
    EXPECT_TRUE(p.list().rows[4].greyed);
    EXPECT_FALSE(p.list().rows[3].greyed);
    Setting::DisplayEmptyRetSpl.write(t.settings, 0);
    p.fillList();
    EXPECT_EQ(p.list().rows.size(), 9);

    // The same gap for an insert earphone is no missing reference.
    t.messages.clear();
    record.setup.insert.retspl[12] = 0.0f;
    ToneMeasurement insert(record, *link, TransducerKind::Insert, Channel::Left, ToneKind::HearingLevel);
    insert.fillList();
    EXPECT_EQ(t.messages.count("RETSPL not defined"), 0);
}

TEST_F(KindRun, AdjustDisplayShowsTheLiveHearingLevel) {
    LiveLevelMonitor adjust(record, *link, TransducerKind::SupraAural,
                            record.results.inputLevels.hearingLevel[0].level);
    ASSERT_TRUE(adjust.open(freqIndexOf(1000.f), nullptr));
    EXPECT_EQ(adjust.frequencyLines().first(), "125.0");
    EXPECT_EQ(adjust.frequency(), freqIndexOf(1000.f));
    ASSERT_TRUE(technician.follow("Set 65 dBHL Left at 1000 Hz"));
    // The meter settles on the new tone over its first readings, a tick a second.
    for (int tick = 0; tick < 3; ++tick) {
        ASSERT_TRUE(adjust.tick());
        t.clock.advance(1000);
    }
    EXPECT_NEAR(adjust.measuredHlText().toDouble(), 65.0, 0.3);
    EXPECT_EQ(adjust.dialText(), "70");
    EXPECT_NEAR(adjust.targetText().toDouble() - adjust.measuredSplText().toDouble(), 5.0, 0.3);
    EXPECT_TRUE(adjust.timerRunning());
}
