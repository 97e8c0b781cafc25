#include "sim/DialFollowingMessageBox.h"
#include "ScriptedMessageBox.h"

#include <gtest/gtest.h>

using namespace orvik;
using namespace orvik::sim;

namespace {

struct Expected {
    SignalType signal;
    int dialHl;
    double hz;
    int channel;
    int transducer;
};

TEST(DialFollowingMessageBox, SetsTheAudiometerForEveryPromptShape) {
    const std::pair<const char*, Expected> table[] = {
        {"Set 70 dBHL Left at 1000 Hz", {SignalType::Tone, 70, 1000.0, 0, 0}},
        {"Set NB 65 dBHL Right at 4000 Hz", {SignalType::NarrowBand, 65, 4000.0, 1, 0}},
        {"Set 80 dBHL (or max level) Left at 250 Hz", {SignalType::Tone, 80, 250.0, 0, 0}},
        {"Set FM 90 dBHL (or max level) Right at 2000 Hz (make sure the K37 readings are steady)",
         {SignalType::Warble, 90, 2000.0, 1, 0}},
        {"Set 110 dBHL or max level Left (whichever is lower) at 1000 Hz", {SignalType::Tone, 110, 1000.0, 0, 0}},
        {"Set 50 dBHL (or max level) at 500 Hz", {SignalType::Tone, 50, 500.0, 0, 1}},
        {"Set PULSED 110 dBHL (or max level) Right at 1000.0 Hz", {SignalType::Pulsed, 110, 1000.0, 1, 0}},
        {"Set 45 dBHL Left at 1000.0 Hz", {SignalType::Tone, 45, 1000.0, 0, 0}},
        {"Noise Floor: Set Minimum dBHL Right at 1000.0 Hz", {SignalType::Tone, -10, 1000.0, 1, 0}},
        {"Set 60 dBHL Left on  Audiometer White Noise", {SignalType::WhiteNoise, 60, 1000.0, 0, 0}},
        {"Set Tape/CD A 50 dBHL", {SignalType::Speech, 50, 1000.0, 2, 0}},
        {"Set White Noise 40 dBHL", {SignalType::WhiteNoise, 40, 1000.0, 2, 0}},
        {"Set Mic 55 dBHL Mastoid", {SignalType::Speech, 55, 1000.0, 2, 1}},
        {"Set Speech Noise 45 dBHL 45\u00b0", {SignalType::Speech, 45, 1000.0, 2, 2}},
        {"Set ***FM*** 40 dBHL Both at 500 Hz", {SignalType::Warble, 40, 500.0, 2, 2}},
        {"Set  ***FM*** 40 dBHL at 750 Hz", {SignalType::Warble, 40, 750.0, 2, 2}},
        {"Set NB 40 dBHL at 2000 Hz", {SignalType::NarrowBand, 40, 2000.0, 2, 2}},
        {"Set 20 dBHL at 250.0 Hz", {SignalType::Tone, 20, 250.0, 0, 1}},
    };
    for (const auto& [text, expected] : table) {
        test::ScriptedMessageBox inner;
        AcousticScene scene;
        DialFollowingMessageBox box(inner, scene);
        const int before = scene.version();
        EXPECT_EQ(box.show(QString::fromUtf8(text), MessageButtons::OkCancel, QStringLiteral("Orvik")),
                  MessageAnswer::Ok)
            << text;
        const VirtualAudiometer& a = scene.audiometer();
        EXPECT_EQ(a.signal, expected.signal) << text;
        EXPECT_EQ(a.dialHl, expected.dialHl) << text;
        EXPECT_DOUBLE_EQ(a.frequencyHz, expected.hz) << text;
        EXPECT_EQ(a.channel, expected.channel) << text;
        EXPECT_EQ(a.transducer, expected.transducer) << text;
        EXPECT_GT(scene.version(), before) << text;
        EXPECT_TRUE(inner.texts().isEmpty()) << text;
    }
}

// One box over one scene, for the prompts that change more than the dial.
struct Following : ::testing::Test {
    test::ScriptedMessageBox inner;
    AcousticScene scene;
    DialFollowingMessageBox box{inner, scene};

    MessageAnswer show(const char* text, MessageButtons buttons = MessageButtons::OkCancel) {
        return box.show(QString::fromUtf8(text), buttons, QStringLiteral("Orvik"));
    }
};

TEST_F(Following, PlacesEarphonesAndTonesForCrossTalk) {
    show("Right Earphone placed on coupler : 1000.0 Hz 80 dBHL\nRight Earphone: Tone OFF\n"
         "Left Earphone(away from coupler): Tone ON");
    const VirtualAudiometer& a = scene.audiometer();
    EXPECT_EQ(a.earphoneOnCoupler, 1);
    EXPECT_FALSE(a.rightOn);
    EXPECT_TRUE(a.leftOn);
    EXPECT_EQ(a.dialHl, 80);
    show("Set 70 dBHL Left at 1000 Hz");
    EXPECT_EQ(scene.audiometer().earphoneOnCoupler, -1) << "an ordinary prompt takes the earphone back";
}

TEST_F(Following, SwitchesTheCalibratorOnAndOff) {
    show("Setting lower calibration level.\n Activate the calibrator and press OK.", MessageButtons::Ok);
    EXPECT_TRUE(scene.calibrator().active);
    show("Set 70 dBHL Left at 1000 Hz");
    EXPECT_FALSE(scene.calibrator().active);
    EXPECT_EQ(box.followed().size(), 2);
}

TEST_F(Following, PassesEveryOtherMessageOn) {
    inner.answer(QStringLiteral("Failed to get a stable reading"), MessageAnswer::No);
    EXPECT_EQ(show("Failed to get a stable reading. High - Low = 2.00\nWould you like to measure again at 1000 Hz?",
                   MessageButtons::YesNoCancel),
              MessageAnswer::No);
    EXPECT_EQ(inner.count(QStringLiteral("Failed to get")), 1);
    EXPECT_EQ(scene.version(), 0);
    EXPECT_FALSE(box.follow(QStringLiteral("Set the dial, please"))) << "a sentence is no prompt";
}

} // namespace

// Shown prompts reach the technician first; the audiometer and the calibrator take the setting only on OK.
TEST_F(Following, ShownPromptsSetTheSceneOnlyWhenAgreedTo) {
    box.answering = PromptAnswering::Shown;
    const struct {
        const char* prompt;
        MessageButtons buttons;
        MessageAnswer answer;
        bool set;
    } cases[] = {
        {"Set 70 dBHL Left at 1000 Hz", MessageButtons::OkCancel, MessageAnswer::Ok, true},
        {"Set 40 dBHL Right at 2000 Hz", MessageButtons::OkCancel, MessageAnswer::Cancel, false},
        {"Setting lower calibration level.\n Activate the calibrator and press OK.", MessageButtons::Ok,
         MessageAnswer::Ok, true},
    };
    for (const auto& c : cases) {
        const QString text = QString::fromUtf8(c.prompt);
        inner.clear();
        inner.answer(text, c.answer, 1);
        const int version = scene.version();
        const VirtualAudiometer before = scene.audiometer();
        EXPECT_EQ(show(c.prompt, c.buttons), c.answer) << c.prompt;
        EXPECT_EQ(inner.texts(), QStringList{text}) << c.prompt;
        EXPECT_EQ(scene.version() > version, c.set) << c.prompt;
        EXPECT_EQ(box.followed().contains(text), c.set) << c.prompt;
        if (!c.set) {
            EXPECT_EQ(scene.audiometer().dialHl, before.dialHl) << c.prompt;
        }
    }
    EXPECT_EQ(scene.audiometer().dialHl, 70);
    EXPECT_TRUE(scene.calibrator().active);
}
