#include "measure/FmReading.h"
#include "measure/ToneFrequencyReading.h"
#include "measure/ToneJudgement.h"
#include "measure/ToneList.h"
#include "meter/Status.h"
#include "model/AudiometerPageFields.h"
#include "model/AudiometerType.h"
#include "model/FixedText.h"

#include <gtest/gtest.h>

using namespace orvik;

TEST(HearingLevelLimits, BoundsAreInclusiveAndWidenFrom6000Hz) {
    const struct {
        float hz;
        double deviation;
        bool passes;
    } cases[] = {{5000, 3.0, true}, {5000, 3.1, false}, {5000, -3.0, true},  {5000, -3.1, false},
                 {6000, 5.0, true}, {6000, 5.1, false}, {31.5f, -3.0, true}, {20000, -5.0, true}};
    for (const auto& c : cases)
        EXPECT_EQ(hearingLevelBand(freqIndexOf(c.hz)).contains(c.deviation), c.passes) << c.hz << " " << c.deviation;
    EXPECT_TRUE(narrowBandBand().contains(5.0));
    EXPECT_FALSE(narrowBandBand().contains(-3.1));
}

// A type never stored (or unreadable) is judged as the type the audiometer page shows for it.
TEST(FrequencyLimits, ToleranceFollowsTheStoredAudiometerType) {
    const struct {
        const char* type;
        double measured;
        bool passes;
    } cases[] = {{"1", 504.9, true},  {"1", 509.9, false}, {"2", 495.0, true}, {"3", 509.9, true},
                 {"5", 510.1, false}, {"", 504.9, true},   {"", 509.9, false}, {"0", 509.9, false},
                 {"7", 509.9, false}, {"x", 509.9, false}};
    for (const auto& c : cases) {
        const QString stored = QString::fromLatin1(c.type);
        EXPECT_EQ(AudiometerPageFields::typeListPosition(stored) + 1, audiometerType(stored)) << c.type;
        EXPECT_EQ(frequencyPasses(c.measured, 500.0, frequencyTolerance(audiometerType(stored))), c.passes)
            << c.type << " " << c.measured;
    }
}

TEST(FmLimits, DeviationRateAndCarrierAreJudgedTogether) {
    const FmEntry sweep{1000.0f, 10.0f, 950.0f, 1050.0f, 0, 0};
    const FmJudgement good = judgeFm(sweep, 1000.0, 10.0, 10.0);
    EXPECT_NEAR(good.deviationPercent, 10.0, 1e-9);
    EXPECT_TRUE(good.passes());

    const struct {
        double rate;
        double deviation;
        FmEntry entry;
        bool carrier, rateOk, deviationOk;
    } cases[] = {
        {3.0, 10.0, {1000.0f, 3.0f, 950.0f, 1050.0f, 0, 0}, true, false, true},      // configured rate out of range
        {20.001, 25.001, {1000.0f, 22.0f, 875.0f, 1125.0f, 0, 0}, true, true, true}, // upper configured bounds
        {10.0, 10.0, {1031.0f, 11.0f, 981.0f, 1081.0f, 0, 0}, false, true, true},
        {10.0, 4.0, {1000.0f, 10.0f, 980.0f, 1020.0f, 0, 0}, true, true, false}, // configured deviation below 5 %
    };
    for (const auto& c : cases) {
        const FmJudgement j = judgeFm(c.entry, 1000.0, c.rate, c.deviation);
        EXPECT_EQ(j.carrierPasses, c.carrier) << c.rate << " " << c.deviation;
        EXPECT_EQ(j.ratePasses, c.rateOk) << c.rate << " " << c.deviation;
        EXPECT_EQ(j.deviationPasses, c.deviationOk) << c.rate << " " << c.deviation;
    }
}

namespace {
ToneFrequencyResult settle(double nominal, QList<double> readings) {
    return settleToneFrequency(nominal, [&readings](double& hz) {
        hz = readings.isEmpty() ? 0.0 : readings.takeFirst();
        return 0;
    });
}
} // namespace

TEST(ToneFrequency, ReadingCases) {
    const struct {
        const char* name;
        double nominal;
        QList<double> readings;
        double result;
        qsizetype kept;
    } cases[] = {
        {"three equal whole parts", 500, {500.4, 500.9, 500.2}, 500.2, 3},
        {"760 kept at 1000", 1000, {760.0, 760.3, 760.9}, 760.9, 3},
        {"740 discarded at 1000", 1000, {740.0, 1000.1, 1000.2, 1000.3}, 1000.3, 3},
        {"most frequent of seven", 1000, {1001.5, 1000.1, 1002.0, 1000.5, 1003.0, 1000.9, 1004.0}, 1000.1, 7},
        {"none three times", 1000, {1001, 1002, 1003, 1004, 1005, 1006, 1007}, 0.0, 7},
        {"silent counter agrees on 0", 1000, QList<double>(30, 0.0), 0.0, 3},
    };
    for (const auto& c : cases) {
        const ToneFrequencyResult r = settle(c.nominal, c.readings);
        EXPECT_DOUBLE_EQ(r.hz, c.result) << c.name;
        EXPECT_EQ(r.consistent(), std::string(c.name) != "none three times") << c.name;
        EXPECT_EQ(r.kept.size(), c.kept) << c.name;
    }
}

TEST(ToneFrequency, TwentyDiscardedInARowLetTheNextOneIn) {
    QList<double> readings(20, 400.0);
    readings << 401.0 << 1000.0 << 1000.0;
    EXPECT_EQ(settle(1000, readings).kept.first(), 401.0);
}

TEST(ToneFrequency, InconsistentMessageListsTheFirstFive) {
    EXPECT_EQ(inconsistentFrequencyMessage({1001, 1002, 1003, 1004, 1005, 1006, 1007}),
              "Unable to get a consistent frequency reading.\nThese are the frequencies that were read in 5 tries:\n"
              "     1001.0\n     1002.0\n     1003.0\n     1004.0\n     1005.0\n");
}

TEST(ToneFrequency, CancelOrLinkErrorEndsTheReading) {
    for (int status : {int(Status::Cancelled), int(Status::NoReply)}) {
        const ToneFrequencyResult r = settleToneFrequency(1000, [status](double&) { return status; });
        EXPECT_EQ(r.status, status);
        EXPECT_FALSE(r.consistent());
    }
}

namespace {
QByteArray fmBlock(double carrier, double highest, double lowest, double rate) {
    QByteArray block(FmBlockSize, '\0');
    block[3] = char(0x21);
    block[4] = char(0x40);
    const auto put = [&](int at, double hz) {
        const int whole = int(hz);
        block[at] = char(whole >> 8);
        block[at + 1] = char(whole & 0xFF);
        block[at + 2] = char(int((hz - whole) * 256));
    };
    put(21, carrier);
    put(24, highest);
    put(27, lowest);
    put(30, rate);
    return block;
}
} // namespace

TEST(FmReply, ParsesFixedPointFieldsAndValidity) {
    const FmReply reply = parseFmReply(fmBlock(1000.5, 1050.25, 950.0, 5.0));
    EXPECT_DOUBLE_EQ(reply.carrier, 1000.5);
    EXPECT_DOUBLE_EQ(reply.highest, 1050.25);
    EXPECT_DOUBLE_EQ(reply.lowest, 950.0);
    EXPECT_DOUBLE_EQ(reply.rate, 5.0);
    EXPECT_EQ(reply.byte3, 0x21);
    EXPECT_TRUE(reply.valid());
    EXPECT_FALSE(parseFmReply(fmBlock(1000, 990, 950, 5)).valid());
    EXPECT_FALSE(parseFmReply(QByteArray(10, '\0')).valid());
    EXPECT_TRUE(parseFmReply(QByteArray(FmBlockSize, '\0')).pureTone());
}

TEST(FmReply, ThreeReadingsAgreeWithinTheirSpreads) {
    const auto r = [](double carrier, double rate) {
        return parseFmReply(fmBlock(carrier, carrier + 50, carrier - 50, rate));
    };
    EXPECT_TRUE(fmReadingsAgree({r(1000, 5.0), r(1015, 5.0), r(1007, 5.0)}));
    EXPECT_FALSE(fmReadingsAgree({r(1000, 5.0), r(1016, 5.0), r(1007, 5.0)}));
    EXPECT_FALSE(fmReadingsAgree({r(1000, 5.0), r(1000, 5.5), r(1000, 5.0)}));
    const FmEntry mean = fmMean({r(1000, 5.0), r(1003, 5.0), r(1006, 5.0)});
    EXPECT_FLOAT_EQ(mean.carrier, 1003.0f);
    EXPECT_FLOAT_EQ(mean.highest, 1053.0f);
    EXPECT_EQ(mean.replyByte4, 0x40);
}

// Every judged row carries its verdict for the sheet to mark; an open row carries none. A reading a hair below the
// nominal frequency shows a deviation of 0.0, not a signed zero that looks like a fault.
TEST(ToneListRows, JudgedRowsCarryTheirVerdictAndNoSignedZero) {
    TestSetup setup{};
    setFixedText(setup.audType, QStringLiteral("1"));
    ToneBlocks blocks{};
    const qint16 dial[FrequencyCount]{};
    const struct {
        float hz;
        float measured;
        RowVerdict verdict;
        const char* measuredCell;
        const char* deviationCell;
    } cases[] = {{500, 510.0f, RowVerdict::Fail, "(510.0)", "10.0"},
                 {1000, 999.96f, RowVerdict::Pass, "1000.0", "0.0"},
                 {2000, 0.0f, RowVerdict::NotJudged, "----", "----"}};
    for (const auto& c : cases) {
        setup.frequencySelected[freqIndexOf(c.hz)] = 1;
        blocks.tone[freqIndexOf(c.hz)].frequency = c.measured;
    }
    const ResultList list =
        buildHLFreqList({setup, TransducerKind::SupraAural, ToneKind::Frequency, false, blocks, dial});
    ASSERT_EQ(list.rows.size(), std::size(cases));
    for (std::size_t n = 0; n < std::size(cases); ++n) {
        const ResultRow& row = list.rows[qsizetype(n)];
        EXPECT_EQ(row.verdict, cases[n].verdict) << cases[n].hz;
        EXPECT_EQ(row.cells[1], cases[n].measuredCell) << cases[n].hz;
        EXPECT_EQ(row.cells[2], cases[n].deviationCell) << cases[n].hz;
    }
    EXPECT_EQ(list.verdict, PageVerdict::AnyFails);
}

TEST(ToneListRows, ListNumbersNeverShowASignedZero) {
    const struct {
        double value;
        int decimals;
        const char* text;
    } cases[] = {{-0.04, 1, "0.0"},  {-0.4, 0, "0"},      {-0.004, 2, "0.00"}, {0.0, 1, "0.0"},
                 {-0.06, 1, "-0.1"}, {-10.0, 1, "-10.0"}, {-100.0, 0, "-100"}};
    for (const auto& c : cases)
        EXPECT_EQ(listNumber(c.value, c.decimals), c.text) << c.value;
    // The calibration check's difference carries a sign, except on zero.
    const struct {
        double value;
        const char* text;
    } signedCases[] = {{-0.04, "0.0"}, {0.04, "0.0"}, {0.66, "+0.7"}, {-0.66, "-0.7"}};
    for (const auto& c : signedCases)
        EXPECT_EQ(signedListNumber(c.value), c.text) << c.value;
}
