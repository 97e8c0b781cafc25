#include "sim/AcousticScene.h"

#include <gtest/gtest.h>

using namespace orvik::sim;

namespace {
VirtualAudiometer withFaultTexts(const QStringList& texts) {
    VirtualAudiometer audiometer;
    for (const QString& text : texts) {
        QString error;
        const std::optional<AudiometerFault> fault = parseAudiometerFault(text, error);
        EXPECT_TRUE(fault) << error.toStdString();
        if (fault)
            audiometer.faults << *fault;
    }
    return audiometer;
}
double level(const VirtualAudiometer& a) {
    return a.levelErrorAt(a.frequencyHz);
}
} // namespace

// Every quantity reaches the figure the scene and the analysers read, only where its limits say; errors add up,
// actual figures are the last one given.
TEST(AudiometerFault, QuantitiesReachTheSceneWhereTheirLimitsApply) {
    const struct {
        QStringList faults;
        AudiometerSetting at;
        double (*read)(const VirtualAudiometer&);
        double expected;
    } cases[] = {
        {{"level=1", "level:supra=0.5"}, {0, 1, 4000.0, 70}, level, 1.5},
        {{"level=1", "level:insert=0.5"}, {0, 1, 4000.0, 70}, level, 1.0},
        {{"level:::4000@70=2"}, {0, 0, 4020.0, 70}, level, 2.0},
        {{"level:::4000@70=2"}, {0, 0, 4100.0, 70}, level, 0.0},
        {{"level:::4000@70=2"}, {0, 0, 4000.0, 60}, level, 0.0},
        {{"level::left=2"}, {0, 2, 1000.0, 70}, level, 2.0},
        {{"level::left=2"}, {0, 1, 1000.0, 70}, level, 0.0},
        {{"frequency=1", "frequency:supra=0.5"}, {0, 0, 1000.0, 70},
         [](const VirtualAudiometer& a) { return a.actualFrequencyHz(); }, 1015.0},
        {{"h3=-40", "h3=-30"}, {0, 0, 1000.0, 70},
         [](const VirtualAudiometer& a) { return a.harmonicsInForce()[1]; }, -30.0},
        {{"h5:bone=-20"}, {1, 0, 1000.0, 70}, [](const VirtualAudiometer& a) { return a.harmonicsInForce()[3]; },
         -20.0},
        {{"xtalk:supra:right=40"}, {0, 2, 1000.0, 70},
         [](const VirtualAudiometer& a) { return a.crossTalkAttenuationInForce(1); }, 40.0},
        {{"xtalk:supra:right=40"}, {0, 2, 1000.0, 70},
         [](const VirtualAudiometer& a) { return a.crossTalkAttenuationInForce(0); }, 85.0},
        {{"rise=5"}, {0, 0, 1000.0, 70}, [](const VirtualAudiometer& a) { return a.pulseInForce().riseMs; }, 5.0},
        {{"off:speaker=300"}, {2, 2, 1000.0, 70}, [](const VirtualAudiometer& a) { return a.pulseInForce().offMs; },
         300.0},
        {{"noise=25"}, {3, 0, 1000.0, 70}, [](const VirtualAudiometer& a) { return a.residualSplInForce(); }, 25.0},
        {{"fmrate=8"}, {0, 0, 1000.0, 70}, [](const VirtualAudiometer& a) { return a.fmInForce().rateHz; }, 8.0},
        {{"fmdev=14"}, {0, 0, 1000.0, 70},
         [](const VirtualAudiometer& a) { return a.fmInForce().deviationPercent; }, 7.0},
    };
    for (const auto& c : cases) {
        VirtualAudiometer audiometer = withFaultTexts(c.faults);
        audiometer.transducer = c.at.transducer;
        audiometer.channel = c.at.channel;
        audiometer.frequencyHz = c.at.frequencyHz;
        audiometer.dialHl = c.at.dialHl;
        EXPECT_DOUBLE_EQ(c.read(audiometer), c.expected) << c.faults.join(u' ').toStdString();
    }
}

// The scene hears a fault: a harmonic set 20 dB down stands 20 dB under the tone.
TEST(AudiometerFault, SceneCarriesTheFaultedHarmonic) {
    AcousticScene scene;
    scene.audiometer() = withFaultTexts({"h2=-20"});
    scene.audiometer().signal = SignalType::Tone;
    scene.audiometer().dialHl = 70;
    double fundamental = 0.0, second = 0.0;
    const SoundField field = scene.field();
    for (const SoundField::Tone& tone : field.tones()) {
        if (std::abs(tone.frequencyHz - 1000.0) < 1.0)
            fundamental = tone.spl;
        if (std::abs(tone.frequencyHz - 2000.0) < 1.0)
            second = tone.spl;
    }
    EXPECT_NEAR(second - fundamental, -20.0, 1e-9);
}
