#include "ScriptedMessageBox.h"
#include "SimBench.h"
#include "core/Settings.h"
#include "measure/EquipmentCheck.h"
#include "measure/LevelCorrections.h"
#include "model/FixedText.h"

#include <gtest/gtest.h>

using namespace orvik;
using namespace orvik::test;

namespace {
struct Setup : ::testing::Test {
    TestSetup setup{};
    void SetUp() override {
        chooseInstruments(setup);
        setup.supraAural.coupler = 2;
        setup.circumaural.coupler = 1;
        for (FreqIndex i = 0; i < FrequencyCount; ++i) {
            setup.instruments.microphones[2].pressureResponse[i] = 0.1f * float(i);
            setup.instruments.microphones[1].pressureResponse[i] = -0.5f;
        }
        for (int g = 0; g < GridCorrectionCount; ++g)
            setup.instruments.microphones[1].gridCorrection[g] = 1.0f + float(g);
    }
    void chooseMastoid(const char* manufacturer) {
        EmbeddedIdentity& mastoid = setup.instruments.mastoid.identity;
        setFixedText(mastoid.dueDate, QStringLiteral("2027-01-01"));
        setFixedText(mastoid.manufacturer, QString::fromLatin1(manufacturer));
        setFixedText(mastoid.serialNumber, QStringLiteral("M-7"));
        setFixedText(setup.boneVibrator.serialNumber, QStringLiteral("B-71"));
    }
};
} // namespace

TEST_F(Setup, MicrophoneCorrectionByTransducer) {
    const struct {
        TransducerKind transducer;
        float hz;
        double correction;
    } cases[] = {
        {TransducerKind::SupraAural, 1000, 1.2},   // the RKC310 coupler's microphone
        {TransducerKind::Circumaural, 8000, -0.5}, // below 9000 Hz no grid
        {TransducerKind::Circumaural, 9000, 0.5},  // first grid value added
        {TransducerKind::Circumaural, 20000, 13.5},
        {TransducerKind::SupraAural, 20000, 3.8}, // grid only for circumaural earphones
    };
    for (const auto& c : cases)
        EXPECT_NEAR(microphoneCorrection(c.transducer, freqIndexOf(c.hz), setup), c.correction, 1e-5) << c.hz;
    for (FreqIndex i = 0; i < FrequencyCount; ++i)
        EXPECT_EQ(microphoneCorrection(TransducerKind::SoundField, i, setup), 0.0) << i;
}

TEST_F(Setup, AnotherMakersMastoidIsCorrectedThroughTheSensitivities) {
    chooseMastoid("Bruel and Kjaer");
    setup.instruments.mastoid.response[12] = 2.0f;
    setup.instruments.mastoid.sensitivity = 100.0f;
    setup.instruments.microphones[0].sensitivity = 50.0f; // 20 x 50 / 100 = 10: 20 dB
    EXPECT_NEAR(microphoneCorrection(TransducerKind::BoneVibrator, 12, setup), -18.0, 1e-9);
}

TEST_F(Setup, MakersMastoidAddsTheEnvironmentCorrection) {
    chooseMastoid("Veltan Quirn");
    setup.instruments.mastoid.response[5] = 1.5f;
    setup.temperature = 23.0f;
    setup.humidity = 1;
    setup.pressure = 760.0f + 76.0f; // mm Hg: 10 % above standard
    EXPECT_NEAR(microphoneCorrection(TransducerKind::BoneVibrator, 5, setup), 1.5 + 0.0714 * 10.1325, 1e-6);
    EXPECT_NEAR(microphoneCorrection(TransducerKind::BoneVibrator, 4, setup), 0.0, 1e-9); // no response below 250 Hz
}

TEST_F(Setup, MastoidResponseFollowsTheCouplerInNewerRecords) {
    chooseMastoid("Bruel and Kjaer"); // no climate term, so the response shows as it is
    setup.instruments.mastoid.sensitivity = 20.0f;
    setup.instruments.microphones[0].sensitivity = 1.0f; // 20 x 1 / 20 = 1: no sensitivity term
    setup.instruments.mastoid.response[12] = 1.0f;
    setup.instruments.mastoidTail.response2[12] = 2.0f;
    setup.instruments.mastoidTail.response3[12] = 3.0f;
    const struct {
        quint16 version;
        quint16 coupler;
        double response;
    } cases[] = {
        {220, 2, 1.0}, {220, 1, 2.0}, {220, 6, 3.0}, {220, 3, 1.0}, // an unknown coupler keeps the first table
        {147, 6, 3.0}, {146, 1, 1.0}, {146, 6, 1.0},               // older records hold only the first
    };
    for (const auto& c : cases) {
        setup.dataVersion = c.version;
        EXPECT_NEAR(microphoneCorrection(TransducerKind::BoneVibrator, 12, setup, c.coupler), c.response, 1e-9)
            << c.version << " " << c.coupler;
    }
}

TEST(MastoidEnvironment, ClimateIsInterpolatedAndLimited) {
    MastoidTables tables;
    // 250 Hz: climate 0 at 30 %, 2 at 50 %, 6 at 70 %, 7 at 90 % for every temperature node; temperature row = row.
    for (auto& node : tables.sets[0].climate) {
        node[0][0] = 0.0;
        node[1][0] = 2.0;
        node[2][0] = 6.0;
        node[3][0] = 7.0;
    }
    for (int row = 0; row < MastoidTemperatureRows; ++row)
        tables.sets[0].temperature[std::size_t(row)][0] = row;
    const auto correction = [&](double t, int h) {
        MastoidClimate climate;
        climate.temperature = t;
        climate.humidity = h;
        climate.coupler = 3; // no pressure column
        return mastoidEnvironmentCorrection(5, climate, tables);
    };
    const struct {
        double t;
        int h;
        double expected;
    } cases[] = {
        {17.0, 40, 1.0 + 0},   // halfway between the 30 % and 50 % values
        {16.0, 40, 1.0 + 0},   // taken as 17 degrees
        {30.0, 2, 6.0 + 12},   // taken as 29; code 2 is 70 %
        {29.0, 20, -1.0 + 12}, // below 30 % the 30..50 % slope goes on
        {23.0, 95, 7.25 + 6},  // above 90 % the 70..90 % slope goes on
        {23.4, 50, 2.0 + 6},   // row = whole part of t + 0.5 - 17
        {23.6, 50, 2.0 + 7},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(correction(c.t, c.h), c.expected, 1e-9) << c.t << " " << c.h;
    EXPECT_EQ(mastoidEnvironmentCorrection(4, MastoidClimate{}, tables), 0.0);
}

TEST(MastoidEnvironment, PressureUnitsAndCouplerColumns) {
    const struct {
        double pressure;
        quint16 coupler;
        double expected;
    } cases[] = {
        {101.325, 2, 0.0},   {29.9213, 2, 0.0},                     // inches of mercury
        {760.0, 1, 0.0},                                            // mm of mercury
        {91.325, 2, -0.714},                                        // kPa
        {91.325, 1, -0.96},  {91.325, 6, -0.531}, {91.325, 4, 0.0}, // no column for other couplers
    };
    for (const auto& c : cases) {
        MastoidClimate climate;
        climate.pressure = c.pressure;
        climate.coupler = c.coupler;
        EXPECT_NEAR(mastoidEnvironmentCorrection(5, climate), c.expected, 2e-4) << c.pressure << " " << c.coupler;
    }
}

TEST_F(Setup, EquipmentLinesInOrderPerTransducerAndChannel) {
    TestSetup empty{};
    const struct {
        int transducer;
        Channel channel;
        QStringList lines;
    } cases[] = {
        {0,
         Channel::Both,
         {"    SLM", "    Preamp", "    Mic", "    Audiometer",
          "    Left and/or Right Supra-aural Earphone (may be missing serial numbers)"}},
        {3,
         Channel::Right,
         {"    SLM", "    Preamp", "    Mic", "    Audiometer",
          "    Right Insert Earphone (may be missing serial number)"}},
        {2, Channel::Left, {"    SLM", "    Preamp", "    Mic", "    Audiometer", "    Left Speaker"}},
        {1, Channel::Left, {"    SLM", "    Mastoid", "    Audiometer", "    Bone Vibrator"}},
        {CalibrationDialog, Channel::Left, {"    Calibrator", "    Calibration Microphone"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(missingEquipment(c.transducer, empty, c.channel), c.lines) << c.transducer;
    for (int transducer : {0, 2, 3, 4, CalibrationDialog})
        EXPECT_TRUE(missingEquipment(transducer, setup, Channel::Both).isEmpty()) << transducer;
}

TEST_F(Setup, MastoidMakerDecidesTheBoneRequirements) {
    chooseMastoid("Bruel and Kjaer");
    setup.instruments.microphones[0].sensitivity = 0.0f;
    EXPECT_EQ(missingEquipment(1, setup, Channel::Left),
              (QStringList{"    Calibration Microphone Sensitivity", "    Mastoid Sensitivity"}));
    chooseMastoid("Veltan Quirn");
    setFixedText(setup.instruments.preamp.serialNumber, QString());
    EXPECT_EQ(missingEquipment(1, setup, Channel::Left), QStringList{"    Preamp"});
}

TEST_F(Setup, BoneRunWithoutMastoidShowsTheWholeMessage) {
    ScriptedMessageBox messages;
    messages.acknowledgeAll();
    setFixedText(setup.boneVibrator.serialNumber, QStringLiteral("B-71"));
    EXPECT_FALSE(checkRequiredEquipment(1, setup, Channel::Left, messages));
    EXPECT_EQ(messages.texts(),
              QStringList{"Unable to perform measurement because not all required equipment has been\nselected or not "
                          "all required data has been entered in the Equipment Setup window.\n\nTo go to Equipment "
                          "Setup, go back to the measurement summary window\n(click OK or Cancel in the measurement "
                          "window to get there) then click on\nthe 'Go To Equipment Setup' button.\n\nIn Equipment "
                          "Setup make selections for the following:\n\n    Mastoid"});
}

namespace {
struct ScriptedGridQuestion final : GridQuestion {
    bool answerOk = true;
    bool tick = false;
    QStringList asked;
    bool initialTick = false;
    bool ask(const QString& text, bool& doNotShowAgain) override {
        asked << text;
        initialTick = doNotShowAgain;
        doNotShowAgain = tick;
        return answerOk;
    }
};
} // namespace

TEST_F(Setup, GridQuestionOnlyWithoutGridCorrections) {
    MemorySettingsStore settings;
    ScriptedGridQuestion question;
    EXPECT_FALSE(askAboutGrid(setup, settings, question));
    EXPECT_TRUE(question.asked.isEmpty());

    std::fill(std::begin(setup.instruments.microphones[1].gridCorrection),
              std::end(setup.instruments.microphones[1].gridCorrection), 0.0f);
    setFixedText(setup.instruments.microphones[1].identity.manufacturer, QStringLiteral("Acme"));
    question.answerOk = false;
    question.tick = true;
    EXPECT_TRUE(askAboutGrid(setup, settings, question));
    EXPECT_EQ(question.asked, QStringList{"No grid corrections have been entered for the IEC 318 microphone\n(Acme "
                                          "377B02 S/N 55103)\n\nPress OK to continue the measurement anyway."});
    EXPECT_EQ(Setting::AskForGrid.read(settings), 0);
}
