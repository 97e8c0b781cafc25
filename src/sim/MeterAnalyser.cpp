#include "sim/MeterAnalyser.h"

#include <algorithm>
#include <cmath>

namespace orvik::sim {

namespace {
// The meter resolves a tone only when it stands this far above its noise floor.
constexpr double ToneDetectionMarginDb = 10.0;
// Harmonics are computed only for a fundamental this loud.
constexpr double HarmonicsMinimumDb = 40.0;
constexpr double PulseDetectionMarginDb = 20.0;
// A meter that cannot settle: its readings scatter this much on top of their swing.
constexpr double NeverStableSd = 2.5;
} // namespace

double ReadingNoise::of(SoundSource source) const {
    switch (source) {
    case SoundSource::Calibrator:
        return calibrator;
    case SoundSource::Tone:
        return tone;
    case SoundSource::NoiseSignal:
        return noiseSignal;
    case SoundSource::Booth:
        return booth;
    }
    return booth;
}

MeterAnalyser::MeterAnalyser(const AcousticScene& scene, AnalyserBehaviour& behaviour)
    : m_scene(scene), m_behaviour(behaviour), m_random(behaviour.seed) {
    m_from.fill(0.0);
    m_target.fill(0.0);
}

void MeterAnalyser::restart(qint64 nowMs) {
    m_from.fill(noiseFloorDb());
    m_target = m_from;
    m_changedAt = nowMs;
    m_sceneVersion = m_scene.version();
}

double MeterAnalyser::noise(double sd) {
    if (sd <= 0.0)
        return 0.0;
    std::normal_distribution<double> distribution(0.0, sd);
    return distribution(m_random);
}

double MeterAnalyser::sourceSd(SoundSource source) const {
    const double sd = m_behaviour.readingNoise.of(source);
    // A disturbed calibrator's own wandering comes on top of the meter's.
    return source == SoundSource::Calibrator ? std::hypot(sd, m_scene.calibrator().wanderDb) : sd;
}

double MeterAnalyser::spread(const SourceParts& parts, const std::function<double(const SoundField&)>& levelOf,
                             double floorDb) const {
    // A reading moves with each source by that source's share of the energy: a tone well above the booth is
    // read as steadily as the tone alone. The meter's own floor is random noise like the booth's.
    std::array<double, SoundSourceCount> levels{};
    double total = floorDb;
    for (int source = 0; source < SoundSourceCount; ++source) {
        levels[source] = levelOf(parts[source]);
        total = addLevels(total, levels[source]);
    }
    const auto share = [total](double level) {
        return std::isfinite(level) ? std::pow(10.0, (level - total) / 10.0) : 0.0;
    };
    double sd = share(floorDb) * sourceSd(SoundSource::Booth);
    for (int source = 0; source < SoundSourceCount; ++source)
        sd += share(levels[source]) * sourceSd(SoundSource(source));
    return sd;
}

MeterAnalyser::SourceParts MeterAnalyser::bySource(const SoundField& field) {
    SourceParts parts;
    for (int source = 0; source < SoundSourceCount; ++source)
        parts[source] = field.from(SoundSource(source));
    return parts;
}

double MeterAnalyser::settle(double target, double from, qint64 nowMs) const {
    const double elapsed = static_cast<double>(nowMs - m_changedAt);
    if (m_behaviour.settlingTauMs <= 0.0 || elapsed < 0.0)
        return target;
    return target + (from - target) * std::exp(-elapsed / m_behaviour.settlingTauMs);
}

void MeterAnalyser::followScene(qint64 nowMs) {
    if (m_scene.version() == m_sceneVersion)
        return;
    // The display moves on from where it stood at the change, not from silence.
    for (int band = 0; band < 33; ++band)
        m_from[band] = settle(m_target[band], m_from[band], nowMs);
    m_changedAt = nowMs;
    m_sceneVersion = m_scene.version();
}

double MeterAnalyser::withinRange(double level, double floor, bool& overload) const {
    level = addLevels(level, floor);
    if (level > overloadDb()) {
        overload = true;
        return overloadDb();
    }
    return level;
}

MeterAnalyser::Spectrum MeterAnalyser::spectrum(qint64 nowMs) {
    followScene(nowMs);
    const SoundField field = m_scene.field();
    const auto parts = bySource(field);
    const double floorHeard = noiseFloorDb() - m_behaviour.sensitivityErrorDb;
    Spectrum result;
    // A meter that cannot settle swings its whole display, so no five readings ever agree.
    const double swing = m_behaviour.neverStable ? ((m_wander++ % 2) ? 1.5 : -1.5) : 0.0;
    for (int band = 0; band < 33; ++band) {
        const double target =
            withinRange(field.bandLevel(band) + m_behaviour.sensitivityErrorDb, noiseFloorDb(), result.overload);
        m_target[band] = target;
        const auto inBand = [band](const SoundField& f) { return f.bandLevel(band); };
        const double sd = m_behaviour.neverStable ? NeverStableSd : spread(parts, inBand, floorHeard);
        result.bands[band] = settle(target, m_from[band], nowMs) + swing + noise(sd);
    }
    return result;
}

std::array<double, 401> MeterAnalyser::fftLines(double spanHz, qint64 nowMs) {
    followScene(nowMs);
    const SoundField field = m_scene.field();
    const auto parts = bySource(field);
    const double width = spanHz / 400.0;
    // A line is narrower than a third-octave band, so less of the meter's own noise falls into it.
    const double lineFloor = noiseFloorDb() - 10.0;
    std::array<double, 401> lines{};
    bool overload = false;
    for (int k = 0; k < 401; ++k) {
        const double level = field.lineLevel(k * width, width) + m_behaviour.sensitivityErrorDb;
        const auto inLine = [k, width](const SoundField& f) { return f.lineLevel(k * width, width); };
        const double sd = spread(parts, inLine, lineFloor - m_behaviour.sensitivityErrorDb);
        lines[k] = withinRange(level, lineFloor, overload) + noise(sd);
    }
    return lines;
}

double MeterAnalyser::overallLevel(int weighting, qint64 nowMs) {
    followScene(nowMs);
    bool overload = false;
    const SoundField field = m_scene.field();
    const double target =
        withinRange(field.overallLevel(weighting) + m_behaviour.sensitivityErrorDb, noiseFloorDb(), overload);
    const auto overall = [weighting](const SoundField& f) { return f.overallLevel(weighting); };
    const double sd = m_behaviour.neverStable
                          ? NeverStableSd
                          : spread(bySource(field), overall, noiseFloorDb() - m_behaviour.sensitivityErrorDb);
    return settle(target, noiseFloorDb(), nowMs) + noise(sd);
}

MeterAnalyser::ToneAnalysis MeterAnalyser::analyseTone(double spanHz) {
    const SoundField field = m_scene.field();
    ToneAnalysis analysis;
    const SoundField::Tone* fundamental = nullptr;
    // The FFT sees nothing above its span: a tone up there is no tone to it, and neither are its harmonics.
    for (const SoundField::Tone& tone : field.tones())
        if (tone.frequencyHz < spanHz && (!fundamental || tone.spl > fundamental->spl))
            fundamental = &tone;
    const double floor = noiseFloorDb();
    if (!fundamental || fundamental->spl + m_behaviour.sensitivityErrorDb < floor + ToneDetectionMarginDb)
        return analysis;
    // The counter resolves a tenth of a hertz and jitters by a few hundredths.
    analysis.frequencyHz = std::round((fundamental->frequencyHz + noise(m_behaviour.counterJitterHz)) * 10.0) / 10.0;
    analysis.levelDb = fundamental->spl + m_behaviour.sensitivityErrorDb + noise(sourceSd(fundamental->source));
    analysis.harmonicsKnown = analysis.levelDb >= HarmonicsMinimumDb;
    const double f = fundamental->frequencyHz;
    // A harmonic lost in the noise reads as the noise floor of its line.
    const double unresolved = floor - 10.0 - fundamental->spl;
    analysis.harmonicsRelativeDb.fill(unresolved);
    double above = -200.0;
    for (const SoundField::Tone& tone : field.tones()) {
        const double order = tone.frequencyHz / f;
        const int k = static_cast<int>(std::lround(order));
        if (k < 2 || std::abs(order - k) > 0.01 || tone.frequencyHz >= spanHz)
            continue;
        const double relative = std::max(tone.spl, floor - 10.0) - fundamental->spl;
        if (k <= 5)
            analysis.harmonicsRelativeDb[k - 2] = relative;
        if (k >= 5)
            above = addLevels(above, relative);
    }
    analysis.aboveFourthRelativeDb = above > -200.0 ? above : unresolved;
    return analysis;
}

MeterAnalyser::PulseFm MeterAnalyser::analysePulseFm(qint64 nowMs) {
    const VirtualAudiometer& a = m_scene.audiometer();
    PulseFm result;
    const ToneAnalysis tone = analyseTone();
    const double heard = m_scene.field().overallLevel(2) + m_behaviour.sensitivityErrorDb;
    if (m_scene.calibrator().active || heard < noiseFloorDb() + PulseDetectionMarginDb)
        return result;
    const double f = a.actualFrequencyHz();
    result.carrierHz = tone.frequencyHz > 0.0 ? tone.frequencyHz : f + noise(m_behaviour.sweepJitterHz);
    if (a.signal == SignalType::Warble) {
        const FmSettings fm = a.fmInForce();
        const double swing = f * fm.deviationPercent / 100.0;
        result.fmFound = true;
        result.highestHz = f + swing + noise(m_behaviour.sweepJitterHz);
        result.lowestHz = f - swing + noise(m_behaviour.sweepJitterHz);
        result.rateHz = fm.rateHz + noise(m_behaviour.sweepJitterHz / 60.0);
    }
    if (a.signal == SignalType::Pulsed) {
        const PulseTiming p = a.pulseInForce();
        result.pulseFound = true;
        result.pulseCount = static_cast<int>(std::max<qint64>(1, (nowMs - m_changedAt) / (p.onMs + p.offMs)));
        result.timing = p;
        result.timing.riseMs += noise(m_behaviour.timeJitterMs);
        result.timing.fallMs += noise(m_behaviour.timeJitterMs);
        result.onLevelDb = heard;
        result.offLevelDb = std::max(noiseFloorDb(), heard - p.offLevelBelowOnDb);
    }
    return result;
}

} // namespace orvik::sim
