#pragma once

#include "sim/AcousticScene.h"

#include <QtGlobal>
#include <array>
#include <functional>
#include <limits>
#include <optional>
#include <random>

namespace orvik::sim {

// How much one reading moves from the next, by what the meter hears: standard deviations in dB. A steady
// calibrator tone is read to a few thousandths, an audiometer's tone a little less steadily; random noise
// (noise signals, the booth, the meter's own noise floor) fluctuates by tenths of a dB in a band.
struct ReadingNoise {
    double calibrator = 0.01;
    double tone = 0.06;
    double noiseSignal = 0.3;
    double booth = 0.4;

    double of(SoundSource source) const;
    // The same spread whatever plays.
    static ReadingNoise uniform(double sd) { return {sd, sd, sd, sd}; }
};

// How the meter's analysers behave: reading noise, settling and the range that the gain setting gives.
struct AnalyserBehaviour {
    ReadingNoise readingNoise;
    double settlingTauMs = 250.0;    // time constant with which a reading follows a change
    double sensitivityErrorDb = 0.0; // the uncalibrated chain's error; the calibration offset undoes it
    double counterJitterHz = 0.02;   // the frequency counter's jitter
    double sweepJitterHz = 0.3;      // jitter of the Pulse/FM analysis' frequencies (rate: a sixtieth of it)
    double timeJitterMs = 0.2;       // jitter of the pulse timing
    bool neverStable = false;        // readings wander by several dB for ever
    quint32 seed = 37;

    // A meter that settles at once, with the given reading noise: runs that test what follows a reading.
    static AnalyserBehaviour steady(double readingNoiseDb = 0.0) {
        AnalyserBehaviour behaviour;
        behaviour.readingNoise = ReadingNoise::uniform(readingNoiseDb);
        behaviour.settlingTauMs = 0.0;
        return behaviour;
    }
};

// The meter's measuring side: turns the scene into what its analysers report, with the meter's own noise
// floor and overload limit for the gain in force, settling after every change and seeded reading noise.
// All levels are uncalibrated (what the blocks carry); the calibration offset is the caller's.
class MeterAnalyser {
public:
    MeterAnalyser(const AcousticScene& scene, AnalyserBehaviour& behaviour);

    // The analysers start over (run started, meter reset): readings rise from the noise floor again.
    void restart(qint64 nowMs);
    void setGainDb(int gainDb) { m_gainDb = gainDb; }
    // The analysers run all the time; looking at the scene whenever the meter is spoken to dates a change
    // close to when it happened, so settling starts then and not at the next reading.
    void followScene(qint64 nowMs);

    struct Spectrum {
        std::array<double, 33> bands{};
        bool overload = false;
    };
    Spectrum spectrum(qint64 nowMs);
    // FFT lines 0 to 400 over 0 Hz to the span.
    std::array<double, 401> fftLines(double spanHz, qint64 nowMs);
    double overallLevel(int weighting, qint64 nowMs);

    struct ToneAnalysis {
        double frequencyHz = 0.0; // 0 when no tone stands out of the noise
        double levelDb = 0.0;
        std::array<double, 4> harmonicsRelativeDb{}; // 2nd to 5th, relative to the fundamental
        double aboveFourthRelativeDb = 0.0;          // everything from the 5th harmonic up, together
        bool harmonicsKnown = false;
    };
    // The strongest tone below the span and its harmonics; the frequency counter has no span.
    ToneAnalysis analyseTone(double spanHz = std::numeric_limits<double>::infinity());

    struct PulseFm {
        bool pulseFound = false;
        bool fmFound = false;
        int pulseCount = 0;
        PulseTiming timing;
        double onLevelDb = 0.0;
        double offLevelDb = 0.0;
        double carrierHz = 0.0;
        double highestHz = 0.0;
        double lowestHz = 0.0;
        double rateHz = 0.0;
    };
    PulseFm analysePulseFm(qint64 nowMs);

    double noiseFloorDb() const { return 18.0 - m_gainDb / 2.0; }
    double overloadDb() const { return 140.0 - m_gainDb; }

private:
    double noise(double sd);
    using SourceParts = std::array<SoundField, SoundSourceCount>;
    static SourceParts bySource(const SoundField& field);
    double sourceSd(SoundSource source) const;
    // The standard deviation of one reading of what `levelOf` takes from the field, whose sources share the
    // reading with the meter's floor (given as heard, before the sensitivity error).
    double spread(const SourceParts& parts, const std::function<double(const SoundField&)>& levelOf,
                  double floorDb) const;
    double settle(double target, double from, qint64 nowMs) const;
    double withinRange(double level, double floor, bool& overload) const;

    const AcousticScene& m_scene;
    AnalyserBehaviour& m_behaviour;
    std::mt19937 m_random;
    int m_gainDb = 0;
    int m_sceneVersion = -1;
    qint64 m_changedAt = 0;
    std::array<double, 33> m_from{};   // where each band's display started at the last change
    std::array<double, 33> m_target{}; // what each band was heading for, as last analysed
    int m_wander = 0;
};

} // namespace orvik::sim
