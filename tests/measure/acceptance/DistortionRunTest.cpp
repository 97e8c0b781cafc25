#include "SimBench.h"
#include "measure/DistortionMeasurement.h"
#include "model/FixedText.h"
#include "sim/AudiometerFault.h"

#include <gtest/gtest.h>

using namespace orvik;
using namespace orvik::test;

namespace {
constexpr FreqIndex At630 = freqIndexOf(630.0f);
constexpr FreqIndex At1000 = freqIndexOf(1000.0f);
constexpr FreqIndex At6300 = freqIndexOf(6300.0f);

struct DistortionRun : ::testing::Test, SimBench {
    void SetUp() override { ASSERT_TRUE(connect()); }
    void selectOnly(std::initializer_list<FreqIndex> indices) {
        std::fill(std::begin(record.setup.frequencySelected), std::end(record.setup.frequencySelected), 0);
        for (FreqIndex i : indices)
            record.setup.frequencySelected[i] = 1;
    }
    void addFault(const char* text) {
        QString error;
        const auto fault = sim::parseAudiometerFault(QString::fromLatin1(text), error);
        ASSERT_TRUE(fault) << error.toStdString();
        audiometer().faults << *fault;
    }
    DistortionMeasurement earphonePage(Channel channel = Channel::Left) {
        return {record, *link, TransducerKind::SupraAural, channel, earphoneDistortion()};
    }
};
} // namespace

TEST_F(DistortionRun, FirmwareBelow35Refuses) {
    const struct {
        const char* firmware;
        bool runs;
    } cases[] = {{"3.49", false}, {"3.5", true}};
    for (const auto& c : cases) {
        selectOnly({At1000});
        simulator.meter().profile().firmware = c.firmware;
        t.messages.acknowledgeAll();
        t.messages.clear();
        DistortionMeasurement page = earphonePage();
        EXPECT_EQ(page.measureAll(), 0);
        EXPECT_EQ(page.entries()[At1000].fundamental > NotMeasuredLimit, c.runs) << c.firmware;
        const QStringList expected{QStringLiteral("Unable to perform distortion measurements with the firmware revision "
                                                  "in the K37 (3.490).\n\nPlease upgrade the K37 firmware to 3.5 or "
                                                  "greater to perform distortion measurements.")};
        EXPECT_EQ(t.messages.texts(), c.runs ? QStringList() : expected) << c.firmware;
    }
}

// A fundamental too weak for the meter's harmonic analysis: the technician is asked, and the point keeps what it
// held.
TEST_F(DistortionRun, UncomputedHarmonicsAskToMeasureAgain) {
    const struct {
        MessageAnswer answer;
        int status;
    } cases[] = {{MessageAnswer::No, 0}, {MessageAnswer::Cancel, Status::Cancelled}};
    addFault("level=-85");
    selectOnly({At1000});
    for (const auto& c : cases) {
        t.messages.clear();
        t.messages.answer("unable to calculate the harmonics", c.answer, 1);
        DistortionMeasurement page = earphonePage();
        EXPECT_EQ(page.measureAll(), c.status);
        EXPECT_EQ(t.messages.texts(),
                  QStringList{"The K37 is unable to calculate the harmonics.\nThis may be because the signal is not "
                              "high enough.\nIncreasing the HL setting on the audiometer may help.\n\nWould you like "
                              "to measure again at 1000 Hz?\n\nClick Yes to re-measure at this frequency.\nClick No "
                              "to go on to the next frequency (if there is one).\nClick Cancel to cancel the "
                              "measurement."});
        EXPECT_EQ(page.entries()[At1000].fundamental, 0.0f);
    }
}

TEST_F(DistortionRun, NoFundamentalAbove75HzAfterTwentyTries) {
    addFault("level=-200");
    selectOnly({At1000});
    t.messages.acknowledgeAll();
    DistortionMeasurement page = earphonePage();
    const qint64 start = t.clock.milliseconds();
    page.measureAll();
    EXPECT_EQ(t.messages.texts(), QStringList{"Problems measuring the fundamental frequency.\nThe fundamental "
                                              "frequency is too low (0.0).\nThis may mean that the audiometer signal "
                                              "is not loud enough.\n\nMeasurement aborted."});
    EXPECT_EQ(log.commands.count("R241,0"), 20);
    EXPECT_GE(t.clock.milliseconds() - start, 19 * 500);
    EXPECT_EQ(page.entries()[At1000].fundamental, 0.0f);
}

// 500 Hz reads on the 20 kHz bandwidth; 630 Hz goes back to 2 kHz and widens before its 4th harmonic; 6300 Hz
// reads no 3rd, 4th or 5th harmonic.
TEST_F(DistortionRun, BandwidthAndHarmonicsFollowTheFrequency) {
    selectOnly({freqIndexOf(500.0f), At630, At6300});
    DistortionMeasurement page = earphonePage();
    EXPECT_EQ(page.measureAll(), 0);
    QByteArrayList sent;
    for (const QByteArray& command : log.commands)
        if (command.startsWith("S145,") || command.startsWith("R241,25") || command.startsWith("R241,26"))
            sent << command;
    const QByteArrayList all{"R241,256", "R241,258", "R241,259", "R241,260", "R241,261"};
    EXPECT_EQ(sent, QByteArrayList{"S145,6"} + all + QByteArrayList{"S145,3"} + all.mid(0, 3) +
                        QByteArrayList{"S145,6"} + all.mid(3) + all.mid(0, 2));
    EXPECT_EQ(page.list().rows[2].cells.mid(4, 3), QStringList({"----", "----", "----"}));
    EXPECT_EQ(page.list().verdict, PageVerdict::AllPass);
}

TEST_F(DistortionRun, BoneVibratorRunsItsRangeAtItsLevels) {
    TestSetup& setup = record.setup;
    setFixedText(setup.boneVibrator.serialNumber, QStringLiteral("B-71"));
    setFixedText(setup.instruments.mastoid.identity.dueDate, QStringLiteral("2027-06-30"));
    setFixedText(setup.instruments.mastoid.identity.manufacturer, QStringLiteral("Veltan Quirn"));
    setFixedText(setup.instruments.mastoid.identity.serialNumber, QStringLiteral("A-1"));
    DistortionMeasurement page(record, *link, TransducerKind::BoneVibrator, Channel::Left, boneDistortion());
    EXPECT_EQ(page.measureAll(), 0);
    ASSERT_EQ(technician.followed().size(), 8) << "250 to 4000 Hz of the default frequencies";
    EXPECT_EQ(technician.followed()[0], "Set 20 dBHL (or max level) at 250 Hz");
    EXPECT_EQ(technician.followed()[1], "Set 50 dBHL (or max level) at 500 Hz");
    EXPECT_EQ(page.takeDataBack(), PageVerdict::AllPass);
    EXPECT_GT(record.results.distortion[1][0][At1000].fundamental, NotMeasuredLimit);
}
