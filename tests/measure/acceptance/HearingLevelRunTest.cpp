#include "SimBench.h"
#include "measure/ToneMeasurement.h"
#include "model/FixedText.h"

#include <gtest/gtest.h>

using namespace orvik;
using namespace orvik::test;

namespace {
constexpr int DefaultPoints = 11;

// Hearing level of supra-aural earphones over the simulated link, the audiometer exactly right but at 4000 Hz.
struct HearingLevelRun : ::testing::Test, SimBench {
    HearingLevelRun() { audiometer().levelErrorDb.insert(4000.0, 4.0); }

    std::unique_ptr<ToneMeasurement> page(Channel channel) {
        auto p = std::make_unique<ToneMeasurement>(record, *link, TransducerKind::SupraAural, channel,
                                                   ToneKind::HearingLevel);
        p->setDialLevels(record.results.inputLevels.hearingLevel[0].level);
        return p;
    }
    int storedPoints(Channel channel) const {
        int stored = 0;
        for (const ToneEntry& entry : record.results.tone[0][int(channel)])
            stored += entry.spl > NotMeasuredLimit;
        return stored;
    }
    static double deviationOf(const ResultRow& row) { return row.cells[3].toDouble(); }
};
} // namespace

TEST_F(HearingLevelRun, MeasureAllStoresEveryPointAndFailsOnlyTheWrongOne) {
    ASSERT_TRUE(connect());
    for (Channel channel : {Channel::Left, Channel::Right}) {
        auto p = page(channel);
        EXPECT_EQ(p->measureAll(), 0);
        EXPECT_EQ(p->takeDataBack(), PageVerdict::AnyFails);
        ASSERT_EQ(p->list().rows.size(), DefaultPoints);
        for (const ResultRow& row : p->list().rows) {
            const bool wrong = row.frequency == freqIndexOf(4000.f);
            EXPECT_NEAR(deviationOf(row), wrong ? 4.0 : 0.0, 0.3) << row.cells.join(' ').toStdString();
            EXPECT_FALSE(row.greyed);
        }
        EXPECT_EQ(storedPoints(channel), DefaultPoints);
    }
    // Every dial prompt came in order and nothing else was asked.
    EXPECT_EQ(technician.followed().size(), 2 * DefaultPoints);
    EXPECT_EQ(technician.followed().front(), "Set 70 dBHL Left at 125 Hz");
    EXPECT_EQ(technician.followed().back(), "Set 70 dBHL Right at 8000 Hz");
    EXPECT_TRUE(t.messages.texts().isEmpty()) << t.messages.texts().join('\n').toStdString();
    EXPECT_EQ(simulator.meter().instrument(), 7);
    EXPECT_EQ(simulator.meter().mode(), 0); // the meter counts its modes from 0: SLM/RTA
    EXPECT_EQ(simulator.meter().gainSetting(), WorkingGain);
}

TEST_F(HearingLevelRun, CancelHalfWayKeepsThePointsBefore) {
    ASSERT_TRUE(connect());
    auto p = page(Channel::Left);
    t.progress.cancelAtCheck(60);
    EXPECT_EQ(p->measureAll(), Status::Cancelled);
    p->takeDataBack();
    const int stored = storedPoints(Channel::Left);
    EXPECT_GT(stored, 0);
    EXPECT_LT(stored, DefaultPoints);
    // The stored points are the first ones, and the run asked for no dial after the cancelled point.
    int seen = 0;
    for (FreqIndex i : DefaultFrequencyIndices)
        EXPECT_EQ(record.results.tone[0][0][i].spl > NotMeasuredLimit, seen++ < stored) << i;
    EXPECT_EQ(technician.followed().size(), stored + 1);
    EXPECT_TRUE(t.messages.texts().isEmpty());
}

TEST_F(HearingLevelRun, RestartOffersToGoOnAfterTheLastMeasured) {
    ASSERT_TRUE(connect());
    for (FreqIndex i : {2, 5, 8})
        record.results.tone[0][0][i] = {0.0f, 70.0f, 70};
    auto p = page(Channel::Left);
    t.messages.answer("Start 'Measure All' from the beginning (Yes), or after 500 Hz?", MessageAnswer::No, 1);
    t.progress.cancelAtCheck(1);
    p->measureAll();
    EXPECT_EQ(t.messages.count("Start 'Measure All'"), 1);
    ASSERT_FALSE(technician.followed().isEmpty());
    EXPECT_EQ(technician.followed().front(), "Set 70 dBHL Left at 750 Hz");
}

TEST_F(HearingLevelRun, OnlyTheLowestMeasuredAsksNothing) {
    ASSERT_TRUE(connect());
    record.setup.frequencySelected[0] = 1;
    record.results.tone[0][0][0] = {0.0f, 70.0f, 70};
    auto p = page(Channel::Left);
    t.messages.answer("RETSPL not defined for 31.5 Hz", MessageAnswer::Ok);
    t.progress.cancelAtCheck(1);
    p->measureAll();
    EXPECT_EQ(t.messages.count("Start 'Measure All'"), 0);
    EXPECT_EQ(technician.followed().front(), "Set 70 dBHL Left at 32 Hz");
}

TEST_F(HearingLevelRun, MeterTransducerFollowsTheCalibratedMicrophone) {
    ASSERT_TRUE(connect());
    // The set-up's microphone in the supra-aural coupler needs transducer setting 1.
    setFixedText(record.setup.instruments.microphones[2].identity.model, QStringLiteral("R58213"));
    const struct {
        const char* calibrated; // what the calibration check chose; empty: no check yet
        int setting;
    } cases[] = {{"", 1}, {"377B13", 0}, {"R5813", 1}};
    for (const auto& c : cases) {
        link->calibratedMicrophoneModel = [&c] { return QString::fromLatin1(c.calibrated); };
        auto p = page(Channel::Left);
        t.progress.cancelAtCheck(1);
        p->measureAll();
        EXPECT_EQ(simulator.meter().transducerSetting(), c.setting) << c.calibrated;
    }
}

TEST(HearingLevelUnsteady, NeverSteadyMeterOffersTheRetryWithTheSpread) {
    sim::AnalyserBehaviour wandering;
    wandering.neverStable = true;
    SimBench bench(wandering);
    ASSERT_TRUE(bench.connect());
    ToneMeasurement p(bench.record, *bench.link, TransducerKind::SupraAural, Channel::Left, ToneKind::HearingLevel);
    bench.t.messages.answer("Failed to get a stable reading.", MessageAnswer::Cancel, 1);
    EXPECT_EQ(p.measureAll(), Status::Cancelled);
    ASSERT_EQ(bench.t.messages.texts().size(), 1);
    const QString text = bench.t.messages.texts().front();
    EXPECT_GT(p.lastSpread(), 1.0f);
    EXPECT_TRUE(text.startsWith(QString::asprintf("Failed to get a stable reading. High - Low = %.2f\nWould you like "
                                                  "to measure again at 125 Hz?",
                                                  double(p.lastSpread()))))
        << text.toStdString();
    EXPECT_TRUE(text.endsWith("Click Cancel to cancel the measurement."));
    EXPECT_EQ(bench.record.results.tone[0][0][2].spl, 0.0f);
}
