#include "SimHost.h"
#include "model/DefaultRetspl.h"
#include "model/ReferenceLevel.h"
#include "sim/ModelReferenceLevels.h"
#include "sim/SimBlocks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numeric>

using namespace orvik::sim;
using orvik::sim::test::SimHost;

namespace {

template <typename Block> Block decode(const QByteArray& bytes) {
    Block block{};
    EXPECT_EQ(bytes.size(), static_cast<qsizetype>(sizeof(Block)));
    if (bytes.size() == static_cast<qsizetype>(sizeof(Block)))
        std::memcpy(&block, bytes.constData(), sizeof(Block));
    return block;
}

// A meter on the audiometer application, in the given mode, running and settled.
void prepare(SimHost& host, int mode, int bandwidth = 3) {
    host.exchange("&I2,AudTest.AUD", 8000);
    host.exchange("S143," + QByteArray::number(mode));
    host.exchange("S145," + QByteArray::number(bandwidth));
    host.exchange("M3");
    host.wait(600);
}

orvik::TestSetup tdh39Setup() {
    orvik::TestSetup setup{};
    setup.supraAural = orvik::defaultEarphoneList(false).front(); // TDH 39 on the NBS 9A coupler
    return setup;
}

void setTone(AcousticScene& scene, SignalType signal, int dialHl, double hz) {
    scene.audiometer().signal = signal;
    scene.audiometer().dialHl = dialHl;
    scene.audiometer().frequencyHz = hz;
    scene.touch();
}

double bandLevel(SimHost& host, int band) {
    const auto block = decode<SpectrumBlock>(host.download("&R1", sizeof(SpectrumBlock)));
    return decodeLevel(block.bands[band]);
}

TEST(WireEncoding, LevelsAndFrequenciesRoundTripToTheirResolution) {
    for (const double db : {0.0, 0.5, 77.0, 77.3, 114.99, 255.99})
        EXPECT_NEAR(decodeLevel(encodeLevel(db)), db, 1.0 / 512) << db;
    EXPECT_EQ(decodeLevel(encodeLevel(-3.0)), 0.0) << "the meter sends no negative levels";
    EXPECT_EQ(encodeLevel(300.0).wholeDb, 255) << "levels above the byte's range stay at its top";
    for (const double hz : {0.0, 31.5, 1000.0, 1052.25, 20000.0})
        EXPECT_NEAR(decodeFrequency(encodeFrequency(hz)), hz, 1.0 / 512) << hz;
    EXPECT_EQ(decodeCount(encodeHalfMilliseconds(35.25)), 71) << "half milliseconds, rounded";
    const WireFrequency f = encodeFrequency(1052.5);
    EXPECT_EQ((f.high << 8) | f.low, 1052);
    EXPECT_EQ(f.fraction, 128);
}

// Tone, narrow-band and white noise sound at the dial above their reference levels through a TDH 39.
TEST(SceneReading, SignalsReadTheirReferenceAboveTheDial) {
    SimHost host;
    host.simulator.scene().setReferenceLevels(modelReferenceLevels(tdh39Setup()));
    prepare(host, 0);
    setTone(host.simulator.scene(), SignalType::Tone, 70, 1000.0);
    EXPECT_NEAR(bandLevel(host, 19), 77.0, 0.05);

    setTone(host.simulator.scene(), SignalType::NarrowBand, 60, 1000.0);
    orvik::ReferenceQuery query;
    query.frequency = 12; // 1000 Hz
    query.test = orvik::ReferenceTestKind::NarrowBand;
    const double reference = orvik::getReferenceLevel(tdh39Setup(), query);
    EXPECT_NEAR(bandLevel(host, 19), 60.0 + reference, 0.05);
    EXPECT_LT(bandLevel(host, 18), 60.0 + reference - 20.0) << "little spills into the band below";

    // White noise is calibrated by its overall level through the C weighting, as the speech test reads it.
    host.exchange("M4");
    host.exchange("S46,1");
    host.exchange("M3");
    host.wait(600);
    setTone(host.simulator.scene(), SignalType::WhiteNoise, 60, 1000.0);
    host.wait(2000);
    EXPECT_NEAR(host.exchange("R4,0").toDouble(), 60.0 + WhiteNoiseReferenceDb, 0.2);
}

// A band reads as steadily as what dominates it: a calibrator to a hundredth of a dB, an audiometer's tone a
// little less, random noise by tenths; a disturbed calibrator wanders by its own amount on top.
TEST(SceneReading, ReadingsSpreadByWhatIsHeard) {
    const ReadingNoise noise;
    const struct {
        const char* what;
        void (*set)(AcousticScene&);
        int band;
        double sd;
    } cases[] = {
        {"calibrator", [](AcousticScene& s) { s.calibrator().active = true; }, 19, noise.calibrator},
        {"disturbed calibrator",
         [](AcousticScene& s) {
             s.calibrator().active = true;
             s.calibrator().wanderDb = 0.2;
         },
         19, std::hypot(noise.calibrator, 0.2)},
        {"tone", [](AcousticScene& s) { setTone(s, SignalType::Tone, 70, 1000.0); }, 19, noise.tone},
        {"narrow band", [](AcousticScene& s) { setTone(s, SignalType::NarrowBand, 70, 1000.0); }, 19,
         noise.noiseSignal},
        {"booth", [](AcousticScene& s) { s.setMicrophoneInCoupler(false); }, 5, noise.booth},
    };
    for (const auto& c : cases) {
        AnalyserBehaviour behaviour;
        behaviour.settlingTauMs = 0.0;
        SimHost host({}, behaviour);
        prepare(host, 0);
        c.set(host.simulator.scene());
        host.simulator.scene().touch();
        std::vector<double> levels;
        for (int i = 0; i < 200; ++i)
            levels.push_back(bandLevel(host, c.band));
        const double mean = std::accumulate(levels.begin(), levels.end(), 0.0) / double(levels.size());
        double squares = 0.0;
        for (const double level : levels)
            squares += (level - mean) * (level - mean);
        EXPECT_NEAR(std::sqrt(squares / double(levels.size() - 1)), c.sd, 0.2 * c.sd) << c.what;
    }
}

TEST(SceneReading, BandLevelFollowsTheChainOfCorrections) {
    struct Case {
        const char* what;
        double micResponse;
        double audiometerError;
        double calibrationOffset;
        double expected; // raw band level in the block
    };
    const Case cases[] = {
        {"plain", 0.0, 0.0, 0.0, 70.0},
        {"microphone +1.5 dB", 1.5, 0.0, 0.0, 71.5},
        {"audiometer 2 dB hot", 0.0, 2.0, 0.0, 72.0},
        {"calibration offset is the reader's", 0.0, 0.0, 3.0, 70.0},
    };
    for (const Case& c : cases) {
        SimHost host;
        AcousticScene& scene = host.simulator.scene();
        scene.microphoneResponse()[1000.0] = c.micResponse;
        scene.audiometer().levelErrorDb[1000.0] = c.audiometerError;
        host.exchange("S227," + QByteArray::number(c.calibrationOffset, 'f', 2));
        prepare(host, 0);
        setTone(scene, SignalType::Tone, 70, 1000.0);
        EXPECT_NEAR(bandLevel(host, 19), c.expected, 0.05) << c.what;
    }
}

TEST(SceneReading, TestFrequenciesFallIntoTheirOneThirdOctaveBands) {
    const std::pair<double, int> table[] = {{31.5, 4},    {750.0, 18},   {1500.0, 21},  {3000.0, 24},  {6000.0, 27},
                                            {9000.0, 29}, {11200.0, 29}, {14000.0, 30}, {17000.0, 31}, {20000.0, 32}};
    for (const auto& [hz, band] : table) {
        SimHost host;
        prepare(host, 0);
        setTone(host.simulator.scene(), SignalType::Tone, 90, hz);
        const auto block = decode<SpectrumBlock>(host.download("&R1", sizeof(SpectrumBlock)));
        EXPECT_NEAR(decodeLevel(block.bands[band]), 90.0, 0.1) << hz;
        EXPECT_EQ(block.blockId, 1);
        EXPECT_EQ(block.bandCount, 33);
        EXPECT_EQ(block.state & BlockRunning, BlockRunning);
    }
}

TEST(SceneReading, LevelsAboveTheGainRangeOverload) {
    SimHost host;
    host.exchange("S 148,5"); // +30 dB: the range ends at 110 dB
    prepare(host, 0);
    setTone(host.simulator.scene(), SignalType::Tone, 120, 1000.0);
    const auto block = decode<SpectrumBlock>(host.download("&R1", sizeof(SpectrumBlock)));
    EXPECT_EQ(block.state & BlockOverload, BlockOverload);
    EXPECT_NEAR(decodeLevel(block.bands[19]), 110.0, 0.01);
}

TEST(SceneReading, DefaultReadingsSettleWithinAStableWindowAndRepeatWithTheSeed) {
    // Readings 200 ms apart, as the stable-reading logic takes them, right after the dial was set.
    const auto series = [] {
        SimHost host({}, AnalyserBehaviour{});
        prepare(host, 0);
        host.wait(2000);
        setTone(host.simulator.scene(), SignalType::Tone, 70, 1000.0);
        std::vector<double> levels;
        for (int i = 0; i < 16; ++i) {
            levels.push_back(bandLevel(host, 19));
            host.wait(200);
        }
        return levels;
    };
    const std::vector<double> levels = series();
    EXPECT_LT(levels.front(), 69.0) << "the first reading after a change has not settled";
    const auto settled = std::find_if(levels.begin(), levels.end(), [](double l) { return std::abs(l - 70.0) < 0.5; });
    ASSERT_LE(std::distance(levels.begin(), settled), 11) << "five steady readings must fit within sixteen";
    const auto [low, high] = std::minmax_element(settled, settled + 5);
    EXPECT_LE(*high - *low, 1.0);
    EXPECT_GT(*high - *low, 0.0) << "readings carry noise";
    EXPECT_EQ(levels, series()) << "the same seed gives the same readings";
}

TEST(SceneReading, AChangeSettlesFromWhereTheDisplayStood) {
    AnalyserBehaviour behaviour = SimHost::quietBehaviour();
    behaviour.settlingTauMs = 250.0;
    SimHost host({}, behaviour);
    prepare(host, 0);
    setTone(host.simulator.scene(), SignalType::Tone, 70, 1000.0);
    host.wait(100);
    host.exchange("@"); // the meter notices the change here
    host.wait(3000);
    EXPECT_NEAR(bandLevel(host, 19), 70.0, 0.01);
    setTone(host.simulator.scene(), SignalType::Tone, 60, 1000.0);
    host.exchange("@");
    host.wait(100);
    const double first = bandLevel(host, 19); // about 60 + 10 e^(-0.4)
    EXPECT_GT(first, 65.0) << "not from silence";
    EXPECT_LT(first, 68.0);
    host.wait(2000);
    EXPECT_NEAR(bandLevel(host, 19), 60.0, 0.01);
}

TEST(SceneReading, CalibratorAloneIsHeardWhileActive) {
    SimHost host({}, [] {
        AnalyserBehaviour b = SimHost::quietBehaviour();
        b.sensitivityErrorDb = -0.8;
        return b;
    }());
    prepare(host, 0);
    setTone(host.simulator.scene(), SignalType::Tone, 70, 250.0);
    host.simulator.scene().calibrator().active = true;
    host.simulator.scene().touch();
    EXPECT_NEAR(bandLevel(host, 19), 113.2, 0.05);
    EXPECT_LT(bandLevel(host, 13), 30.0) << "the audiometer's tone does not reach a sealed calibrator";
}

TEST(SceneReading, CrossTalkReachesTheCouplerAttenuated) {
    SimHost host;
    prepare(host, 0);
    VirtualAudiometer& a = host.simulator.scene().audiometer();
    a.crossTalkAttenuationDb = 60.0;
    setTone(host.simulator.scene(), SignalType::Tone, 80, 1000.0);
    a.earphoneOnCoupler = 0;
    a.leftOn = false;
    a.rightOn = true;
    host.simulator.scene().touch();
    EXPECT_NEAR(bandLevel(host, 19), addLevels(20.0, 18.0), 0.05) << "the leak sits on the floor of the 0 dB gain";
    host.exchange("M4");
    host.exchange("S 148,5");
    host.exchange("M3");
    host.wait(13000);
    EXPECT_NEAR(bandLevel(host, 19), addLevels(20.0, 3.0), 0.05) << "+30 dB gain lowers the floor";
}

TEST(SceneReading, FftAnalysisGivesFrequencyAndHarmonics) {
    SimHost host;
    prepare(host, 1, 6); // 20 kHz, so that every harmonic of 1000 Hz is in view
    VirtualAudiometer& a = host.simulator.scene().audiometer();
    a.frequencyErrorPercent = 1.0;
    a.harmonicsDb = {-34.0, -55.5, -80.0, -120.0};
    setTone(host.simulator.scene(), SignalType::Tone, 110, 1000.0);
    EXPECT_EQ(host.exchange("R241,512"), "");
    EXPECT_EQ(host.exchange("R241,0"), "1010.0");
    EXPECT_EQ(host.exchange("R241,256"), "110.0");
    EXPECT_EQ(host.exchange("R241,258"), "-34.0");
    EXPECT_EQ(host.exchange("R241,259"), "-55.5");
    EXPECT_EQ(host.exchange("R241,260"), "-80.0");
    // The 5th lies below the analyser's floor (8 dB at 0 dB gain): 102 dB down, shown with two digits only.
    EXPECT_EQ(host.exchange("R241,261"), "-02.0");
    EXPECT_EQ(host.exchange("R 116"), "1010.0");
    EXPECT_EQ(bandLevel(host, 19), 0.0) << "the audiometer application analyses third octaves only in SLM/RTA mode";

    setTone(host.simulator.scene(), SignalType::Tone, 20, 1000.0);
    host.exchange("R241,512");
    EXPECT_EQ(host.exchange("R241,258"), " --- ") << "too quiet for harmonics";
}

TEST(SceneReading, TheFftSeesOnlyWhatLiesBelowItsSpan) {
    struct Case {
        double hz;
        int bandwidth;
        const char* frequency;
        const char* fourth; // 4th harmonic, 60 dB down when resolved
    };
    const Case cases[] = {{4000.0, 3, "0.0", " --- "},
                          {4000.0, 6, "4000.0", "-60.0"},
                          {630.0, 3, "630.0", "-92.0"}, // 2520 Hz is beyond 2 kHz: the floor, 92 dB down
                          {630.0, 6, "630.0", "-60.0"}};
    for (const Case& c : cases) {
        SimHost host;
        prepare(host, 1, c.bandwidth);
        host.simulator.scene().audiometer().harmonicsDb = {-40.0, -50.0, -60.0, -70.0};
        setTone(host.simulator.scene(), SignalType::Tone, 100, c.hz);
        EXPECT_EQ(host.exchange("R241,0"), QByteArray(c.frequency)) << c.hz << " Hz, bandwidth " << c.bandwidth;
        EXPECT_EQ(host.exchange("R241,260"), QByteArray(c.fourth)) << c.hz << " Hz, bandwidth " << c.bandwidth;
    }
}

TEST(SceneReading, WhiteNoiseFftIsFlatOverTheMaskingRange) {
    SimHost host;
    prepare(host, 1, 5);
    setTone(host.simulator.scene(), SignalType::WhiteNoise, 80, 1000.0);
    const auto block = decode<FftBlock>(host.download("&R6", sizeof(FftBlock)));
    EXPECT_EQ(decodeCount(block.lineCount), 401);
    EXPECT_EQ(block.spanHz[2] * 256 + block.spanHz[3], 10000);
    const double at1k = decodeLevel(block.lines[40]);
    // Noise from 20 Hz to 12 kHz whose C-weighted overall level is 80 dB, spread over 25 Hz lines.
    SoundField unit;
    unit.addNoise(20.0, 12000.0, 0.0);
    EXPECT_NEAR(at1k, 80.0 - unit.overallLevel(1) - 10.0 * std::log10((12000.0 - 20.0) / 25.0), 0.1);
    for (int k = 10; k <= 200; ++k) // 250 Hz to 5000 Hz, 25 Hz apart
        EXPECT_NEAR(decodeLevel(block.lines[k]), at1k, 0.1) << k * 25 << " Hz";
}

TEST(SceneReading, PulseAndFmFiguresComeInTheShortBlock) {
    SimHost host;
    prepare(host, 2);
    VirtualAudiometer& a = host.simulator.scene().audiometer();
    a.pulse = {30.0, 40.5, 225.0, 210.0, 190.0, 30.0};
    setTone(host.simulator.scene(), SignalType::Pulsed, 110, 1000.0);
    host.wait(2000);
    auto block = decode<PulseFmBlock>(host.download("&R7", sizeof(PulseFmBlock)));
    EXPECT_GT(decodeCount(block.pulseCount), 0);
    EXPECT_EQ(decodeCount(block.riseTime), 60);
    EXPECT_EQ(decodeCount(block.fallTime), 81);
    EXPECT_EQ(decodeCount(block.onTime), 450);
    EXPECT_EQ(decodeCount(block.offTime), 420);
    EXPECT_EQ(decodeCount(block.plateau), 380);
    EXPECT_EQ(block.status & OnOffRatioFailed, 0);

    a.pulse.offLevelBelowOnDb = 15.0;
    host.simulator.scene().touch();
    block = decode<PulseFmBlock>(host.download("&R7", sizeof(PulseFmBlock)));
    EXPECT_EQ(block.status & OnOffRatioFailed, OnOffRatioFailed);

    a.fm = {5.0, 5.0};
    setTone(host.simulator.scene(), SignalType::Warble, 90, 1000.0);
    block = decode<PulseFmBlock>(host.download("&R7", sizeof(PulseFmBlock)));
    EXPECT_NEAR(decodeFrequency(block.carrier), 1000.0, 0.1);
    EXPECT_NEAR(decodeFrequency(block.highest), 1050.0, 0.1);
    EXPECT_NEAR(decodeFrequency(block.lowest), 950.0, 0.1);
    EXPECT_NEAR(decodeFrequency(block.rate), 5.0, 0.01);
    EXPECT_EQ(decodeCount(block.pulseCount), 0);

    setTone(host.simulator.scene(), SignalType::Tone, 90, 1000.0);
    block = decode<PulseFmBlock>(host.download("&R7", sizeof(PulseFmBlock)));
    EXPECT_EQ(decodeFrequency(block.highest), 0.0) << "a pure tone has no sweep";
    EXPECT_EQ(decodeFrequency(block.lowest), 0.0);
}

TEST(SceneReading, OverallLevelFollowsTheStandardWeightingCurves) {
    const struct {
        int weighting;
        double hz;
        double relativeDb; // from the sound level meter standard's tables
    } table[] = {{0, 1000.0, 0.0}, {0, 100.0, -19.1}, {0, 8000.0, -1.1},
                 {1, 50.0, -1.3},  {1, 8000.0, -3.0}, {2, 50.0, 0.0}};
    for (const auto& row : table) {
        SimHost host;
        prepare(host, 0);
        host.exchange("M4");
        ASSERT_EQ(host.exchange("S46," + QByteArray::number(row.weighting)), "");
        host.exchange("M3");
        host.wait(600);
        host.simulator.scene().audiometer().harmonicsDb = {-200.0, -200.0, -200.0, -200.0};
        setTone(host.simulator.scene(), SignalType::Tone, 100, row.hz);
        EXPECT_NEAR(host.exchange("R4,0").toDouble(), 100.0 + row.relativeDb, 0.15)
            << "weighting " << row.weighting << " at " << row.hz << " Hz";
    }
}

TEST(SceneReading, AResetMeterSendsAnEmptySpectrumAndAStoppedOneHoldsItsLast) {
    SimHost host;
    prepare(host, 0);
    setTone(host.simulator.scene(), SignalType::Tone, 70, 1000.0);
    EXPECT_NEAR(bandLevel(host, 19), 70.0, 0.05);
    const QByteArray overall = host.exchange("R4,0");
    host.exchange("M4");
    setTone(host.simulator.scene(), SignalType::Tone, 40, 1000.0);
    EXPECT_NEAR(bandLevel(host, 19), 70.0, 0.05);
    EXPECT_EQ(host.exchange("R4,0"), overall);
    host.exchange("S1,1");
    EXPECT_EQ(bandLevel(host, 19), 0.0);
    EXPECT_EQ(host.exchange("R4,0"), "0.0");
}

} // namespace
