#include "measure/ReadStableSpectrum.h"
#include "MeterTestLink.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace orvik;
using namespace orvik::test;

namespace {
// An "&R1" block with every band at `base` dB and the watched band (19) at `watched` dB.
QByteArray block(double watched, double base = 40.0) {
    QByteArray bytes(SpectrumBlockSize, '\0');
    for (int band = 0; band < SpectrumBandCount; ++band) {
        const int raw = int(std::lround((band == 19 ? watched : base) * 256));
        bytes[3 + 2 * band] = char(raw / 256);
        bytes[4 + 2 * band] = char(raw % 256);
    }
    return bytes;
}

struct Stable : ::testing::Test, MeterTestLink {
    StableSpectrum result;

    void readings(std::initializer_list<double> watched) {
        for (double level : watched)
            meter.blocks += block(level);
    }
    int read(float offset = 0.0f, ProgressWindow* progress = nullptr) {
        StableSpectrumRequest request;
        request.calibrationOffset = offset;
        return readStableSpectrum(commander, t.messages, request, result, progress);
    }
};
} // namespace

TEST_F(Stable, ToleranceEdgeIsInclusive) {
    const struct {
        double fifth;
        int status;
        int downloads;
    } cases[] = {{61.0, 0, 5}, {61.1, 0, 10}}; // 61.1 holds the result back until it has left the ring
    for (const auto& c : cases) {
        meter.blocks.clear();
        readings({60, 60, 60, 60, c.fifth});
        meter.block = block(60);
        // An offset that is not a whole number must not decide the 1.0 dB edge by rounding.
        EXPECT_EQ(read(0.3f), c.status) << c.fifth;
        EXPECT_EQ(result.readings, c.downloads) << c.fifth;
    }
}

TEST_F(Stable, NeedsFiveReadingsEvenWhenSteadyAtOnce) {
    meter.block = block(70.0);
    ASSERT_EQ(read(), 0);
    EXPECT_EQ(result.readings, 5);
    EXPECT_EQ(meter.commands.count("&R1"), 5);
    EXPECT_FLOAT_EQ(result.levels[19], 70.0f);
    EXPECT_FLOAT_EQ(result.levels[0], 40.0f);
}

TEST_F(Stable, NeverSteadyGivesUpAfterSixteenWithTheLastSpread) {
    readings({50, 60, 50, 60, 50, 60, 50, 60, 50, 60, 50, 60, 50, 60, 50, 62.5});
    EXPECT_EQ(read(), Status::NeverStable);
    EXPECT_EQ(meter.commands.count("&R1"), 16);
    EXPECT_FLOAT_EQ(result.lastSpread, 12.5f);
    // What the technician is told it read is the last reading, with the offset.
    EXPECT_FLOAT_EQ(result.levels[19], 62.5f);
    EXPECT_FLOAT_EQ(result.levels[0], 40.0f);
}

TEST_F(Stable, ResultIsTheEnergyMeanOfTheLastFiveWithOffset) {
    readings({20, 70, 70, 70, 71, 71});
    ASSERT_EQ(read(1.5f), 0);
    const double expected = 10 * std::log10((3 * std::pow(10, 7.0) + 2 * std::pow(10, 7.1)) / 5) + 1.5;
    EXPECT_NEAR(result.levels[19], expected, 1e-4);
    EXPECT_EQ(result.readings, 6);
}

TEST_F(Stable, CorrectionsComeOffTheirBands) {
    meter.block = block(70.0);
    std::array<float, TestFrequencyCount> corrections{};
    corrections[12] = 2.5f; // 1000 Hz, read in band 19
    corrections[10] = 9.0f; // 750 Hz shares band 18 with 800 Hz, which carries the correction
    corrections[11] = 1.0f;
    StableSpectrumRequest request;
    request.corrections = &corrections;
    ASSERT_EQ(readStableSpectrum(commander, t.messages, request, result, nullptr), 0);
    EXPECT_FLOAT_EQ(result.levels[19], 67.5f);
    EXPECT_FLOAT_EQ(result.levels[18], 39.0f);
    EXPECT_FLOAT_EQ(result.levels[3], 40.0f);
}

// Cancel is looked at after every download and twice in each 200 ms pause between downloads, so a press acts
// before the next download.
TEST_F(Stable, CancelDuringReadingGivesTheCancelStatus) {
    const struct {
        int cancelAtCheck;
        int downloads;
    } cases[] = {{2, 1}, {3, 1}, {4, 1}, {5, 2}};
    for (const auto& c : cases) {
        meter.block = block(70.0);
        meter.commands.clear();
        auto progress = t.progress.open(ProgressCaption::Measurement);
        t.progress.checks = 0;
        t.progress.cancelAtCheck(c.cancelAtCheck);
        EXPECT_EQ(read(0.0f, progress.get()), Status::Cancelled) << c.cancelAtCheck;
        EXPECT_EQ(meter.commands.count("&R1"), c.downloads) << c.cancelAtCheck;
    }
}

TEST_F(Stable, DownloadErrorIsReportedWithTheOffset) {
    meter.block = "";
    t.messages.answer("Could not download data", MessageAnswer::Cancel);
    t.messages.answer("Download Error:-21 Offset:1.5", MessageAnswer::Ok);
    EXPECT_EQ(read(1.5f), Status::BlockTimeout);
}

TEST_F(Stable, MeterNeverReadyAsksAndGivesUpOnCancel) {
    meter.replies["R 3,1"] = " O";
    t.messages.answer("The K37 is not ready! Verify that the K37 is powered on, stable, and connected to the PC. "
                      "Then press OK!",
                      MessageAnswer::Cancel);
    EXPECT_EQ(read(), Status::NeverStable);
    EXPECT_EQ(meter.commands.count("R 3,1") >= 60, true);
    EXPECT_EQ(meter.commands.count("&R1"), 0);
}

// A meter that never gets ready is waited on for a minute; Cancel in the progress window ends that wait in the
// pause it is pressed in, without the not-ready question.
TEST_F(Stable, CancelWhileWaitingForTheMeterEndsTheWait) {
    meter.replies["R 3,1"] = " O";
    auto progress = t.progress.open(ProgressCaption::Measurement);
    t.progress.cancelAtCheck(15); // half-way through the second one-second pause
    EXPECT_EQ(read(0.0f, progress.get()), Status::Cancelled);
    EXPECT_TRUE(t.messages.texts().isEmpty()) << t.messages.texts().join('\n').toStdString();
    EXPECT_EQ(meter.commands.count("&R1"), 0);
}
