#include "SimBench.h"
#include "measure/BroadBandMeasurement.h"
#include "measure/SpeechMeasurement.h"
#include "sim/AudiometerFault.h"

#include <gtest/gtest.h>

using namespace orvik;
using namespace orvik::test;

namespace {
// Columns of the broad-band list.
enum { MaxDeviation = 2, FrequencyAtMax = 3, Failures = 4, Result = 5 };

// A meter without reading noise, so that each deviation reads as the fault made it.
struct BroadBandSpeechRun : ::testing::Test, SimBench {
    BroadBandSpeechRun() : SimBench(sim::AnalyserBehaviour::steady()) {}
    void SetUp() override { ASSERT_TRUE(connect()); }
    void fault(const char* text) {
        QString error;
        const auto parsed = sim::parseAudiometerFault(QString::fromLatin1(text), error);
        ASSERT_TRUE(parsed) << error.toStdString();
        audiometer().faults << *parsed;
    }
    BroadBandMeasurement broadBandPage() { return {record, *link, TransducerKind::SupraAural, Channel::Left}; }
    SpeechMeasurement speechPage() { return {record, *link, TransducerKind::SupraAural, Channel::Left, TestNumber::Speech}; }
};
} // namespace

TEST_F(BroadBandSpeechRun, CleanNoiseOfEverySourcePassesWithNoFailures) {
    BroadBandMeasurement page = broadBandPage();
    EXPECT_EQ(page.measureAll(), 0);
    EXPECT_EQ(technician.followed(), (QStringList{"Set 70 dBHL Left on  Audiometer White Noise",
                                                  "Set 70 dBHL Left on Tape/CD A White Noise",
                                                  "Set 70 dBHL Left on Tape/CD B White Noise"}));
    EXPECT_EQ(page.takeDataBack(), PageVerdict::AllPass);
    for (const ResultRow& row : page.list().rows) {
        EXPECT_EQ(row.cells[Failures], "0");
        EXPECT_EQ(row.cells[Result], "Pass");
    }
    EXPECT_GT(record.results.broadBand[0][0][2].level[40], 40.0f) << "stored in the record";
    EXPECT_EQ(record.results.broadBand[0][0][2].dialHl, 70);
    EXPECT_TRUE(t.messages.texts().isEmpty()) << t.messages.texts().join('\n').toStdString();
}

// A resonance 6 dB up at 300 Hz and a dip of 5.5 dB at 4000 Hz; a tilted generator fails at the far end.
TEST_F(BroadBandSpeechRun, DeviationsFailWithTheirSignAndFrequency) {
    const struct {
        std::vector<const char*> faults;
        const char* maxDeviation;
        const char* atHz;
        const char* failures;
    } cases[] = {
        {{"level:supra:left:300=6", "level:supra:left:4000=-5.5"}, "(-6.0)", "300", "2"},
        {{"level:supra:right:300=6"}, "0.0", "250", "0"},
        {{"tilt:supra=2.5"}, "(-5.8)", "5000", "39"}, // every line above 4000 Hz
    };
    for (const auto& c : cases) {
        audiometer().faults.clear();
        for (const char* text : c.faults)
            fault(text);
        BroadBandMeasurement page = broadBandPage();
        ASSERT_EQ(page.measureSelected({0}), 0);
        const ResultRow& row = page.list().rows[0];
        EXPECT_EQ(row.cells[MaxDeviation], QLatin1String(c.maxDeviation)) << c.faults.front();
        EXPECT_EQ(row.cells[FrequencyAtMax], QLatin1String(c.atHz)) << c.faults.front();
        EXPECT_EQ(row.cells[Failures], QLatin1String(c.failures)) << c.faults.front();
    }
}

TEST_F(BroadBandSpeechRun, LowNoiseIsMeasuredAgainOrCancelled) {
    t.messages.answer("Level at 1000 Hz was too low", MessageAnswer::Ok, 1);
    t.messages.answer("Level at 1000 Hz was too low", MessageAnswer::Cancel, 1);
    audiometer().sourceLevelErrorDb["Tape/CD A White Noise"] = -80.0;
    BroadBandMeasurement page = broadBandPage();
    EXPECT_EQ(page.measureAll(), Status::Cancelled);
    EXPECT_EQ(t.messages.texts().size(), 2);
    EXPECT_TRUE(t.messages.texts().front().contains("and that it is set to 70 dBHL Left on Tape/CD A White Noise."));
    EXPECT_EQ(page.list().rows[0].verdict, RowVerdict::Pass) << "the first source stays measured";
    EXPECT_EQ(page.list().rows[1].cells[MaxDeviation], "----");
}

TEST_F(BroadBandSpeechRun, DialSettingAndViewDataRefuseWhatTheyCannotTake) {
    t.messages.acknowledgeAll();
    BroadBandMeasurement page = broadBandPage();
    EXPECT_FALSE(page.setDialSettingText("seventy"));
    EXPECT_EQ(page.dialSetting(), 70);
    EXPECT_FALSE(page.viewDataAllowed({}));
    EXPECT_FALSE(page.viewDataAllowed({1}));
    EXPECT_EQ(t.messages.texts(), (QStringList{"Invalid number in HL Dial Setting field.",
                                               "Select the test for which you wish to view the data graph.",
                                               "There is no valid data for the selected test to display"}));
    ASSERT_TRUE(page.setDialSettingText("60"));
    ASSERT_EQ(page.measureSelected({1}), 0);
    EXPECT_TRUE(page.viewDataAllowed({1}));
    const QList<QPointF> points = page.viewDataPoints(1);
    ASSERT_EQ(points.size(), 401);
    EXPECT_EQ(points[40].x(), 1000.0);
    EXPECT_FLOAT_EQ(float(points[40].y()), page.source(1).level[40]);
}

// Speech sources pass within -3..+3 dB of their target, white noise within -3..+5 dB: a generator 4 dB loud
// fails the speech sources and passes the white noise; one 5.5 dB loud fails both.
TEST_F(BroadBandSpeechRun, SpeechSourcesAndWhiteNoiseHaveTheirOwnBands) {
    const struct {
        const char* fault;
        RowVerdict speech;
        RowVerdict white;
    } cases[] = {
        {"level:supra=0", RowVerdict::Pass, RowVerdict::Pass},
        {"level:supra=2.6", RowVerdict::Pass, RowVerdict::Pass},
        {"level:supra=4", RowVerdict::Fail, RowVerdict::Pass},
        {"level:supra=-3.4", RowVerdict::Fail, RowVerdict::Fail},
        {"level:supra=5.5", RowVerdict::Fail, RowVerdict::Fail},
    };
    for (const auto& c : cases) {
        audiometer().faults.clear();
        fault(c.fault);
        SpeechMeasurement page = speechPage();
        ASSERT_EQ(page.measureAll(), 0) << c.fault;
        const double error = QString::fromLatin1(c.fault).section('=', 1).toDouble();
        for (int source = 0; source < SpeechSourceCount; ++source) {
            const ResultRow& row = page.list().rows[source];
            EXPECT_EQ(row.verdict, source == SpeechWhiteNoise ? c.white : c.speech) << c.fault << " " << source;
            EXPECT_NEAR(row.judgedValue.toDouble(), error, 0.15) << c.fault << " " << source;
        }
    }
    EXPECT_EQ(technician.followed().mid(0, 5), (QStringList{"Set Mic 70 dBHL", "Set Tape/CD A 70 dBHL",
                                                           "Set Tape/CD B 70 dBHL", "Set Speech Noise 70 dBHL",
                                                           "Set White Noise 70 dBHL"}));
    EXPECT_TRUE(t.messages.texts().isEmpty()) << t.messages.texts().join('\n').toStdString();
}

// The overall level of white noise follows the generator's tilt; the 1000 Hz band of speech pivots on it.
TEST_F(BroadBandSpeechRun, TiltMovesTheOverallLevelOfWhiteNoiseOnly) {
    fault("tilt=3");
    SpeechMeasurement page = speechPage();
    ASSERT_EQ(page.measureAll(), 0);
    EXPECT_NEAR(page.list().rows[0].judgedValue.toDouble(), 0.0, 0.2);
    EXPECT_GT(page.list().rows[SpeechWhiteNoise].judgedValue.toDouble(), 5.0);
}
