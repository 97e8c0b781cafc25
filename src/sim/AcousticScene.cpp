#include "sim/AcousticScene.h"

#include "sim/NoiseSpectrum.h"

#include <cmath>
#include <limits>

namespace orvik::sim {

namespace {
constexpr int TransducerBone = 1;
constexpr int TransducerSpeakers = 2;
constexpr int BothChannels = 2;
constexpr double WhiteNoiseLowHz = 20.0;
constexpr double WhiteNoiseHighHz = 12000.0;
constexpr double SpeechLowHz = 100.0;
constexpr double SpeechHighHz = 8000.0;

constexpr int Band1000Hz = 19;
constexpr int CWeighting = 1;

bool isBroadBand(SignalType signal) {
    return signal == SignalType::WhiteNoise || signal == SignalType::Speech;
}

double tiltDb(double tilt, double hz) {
    return tilt * std::log2(hz / 1000.0);
}

// A response by frequency, interpolated on log frequency and held flat beyond its ends; 0 when empty.
double responseAt(const QMap<double, double>& response, double hz) {
    if (response.isEmpty() || hz <= 0.0)
        return 0.0;
    auto upper = response.lowerBound(hz);
    if (upper == response.cbegin())
        return upper.value();
    if (upper == response.cend())
        return std::prev(upper).value();
    const auto lower = std::prev(upper);
    const double t = std::log(hz / lower.key()) / std::log(upper.key() / lower.key());
    return lower.value() + t * (upper.value() - lower.value());
}
} // namespace

ListeningPlacement VirtualAudiometer::placement() const {
    return {forehead && transducer == TransducerBone, speakerAngle,
            transducer == TransducerSpeakers && channel == BothChannels};
}

double VirtualAudiometer::actualFrequencyHz() const {
    return frequencyHz * (1.0 + withFaults(faults, FaultQuantity::Frequency, frequencyErrorPercent, setting()) / 100.0);
}

double VirtualAudiometer::levelErrorAt(double hz) const {
    double error = 0.0;
    for (auto it = levelErrorDb.cbegin(); it != levelErrorDb.cend(); ++it)
        if (std::abs(it.key() - hz) <= 0.01 * hz) {
            error = it.value();
            break;
        }
    AudiometerSetting at = setting();
    at.frequencyHz = hz;
    return withFaults(faults, FaultQuantity::Level, error, at);
}

double VirtualAudiometer::broadBandLevelError() const {
    double error = sourceLevelErrorDb.value(source, 0.0);
    for (const AudiometerFault& fault : faults)
        if (fault.quantity == FaultQuantity::Level && !fault.frequencyHz && fault.appliesAt(setting()))
            error += fault.value;
    return error;
}

double VirtualAudiometer::spectralErrorAt(double hz) const {
    double error = 0.0;
    for (const AudiometerFault& fault : faults) {
        if (fault.quantity != FaultQuantity::Level || !fault.frequencyHz ||
            std::abs(hz - *fault.frequencyHz) > SpectralFaultHalfWidthHz)
            continue;
        AudiometerSetting at = setting();
        at.frequencyHz = *fault.frequencyHz;
        if (fault.appliesAt(at))
            error += fault.value;
    }
    return error;
}

std::vector<double> VirtualAudiometer::spectralFaultEdges() const {
    std::vector<double> edges;
    for (const AudiometerFault& fault : faults)
        if (fault.quantity == FaultQuantity::Level && fault.frequencyHz) {
            edges.push_back(*fault.frequencyHz - SpectralFaultHalfWidthHz);
            edges.push_back(*fault.frequencyHz + SpectralFaultHalfWidthHz);
        }
    return edges;
}

double VirtualAudiometer::noiseTiltInForce() const {
    return withFaults(faults, FaultQuantity::Tilt, noiseTiltDbPerOctave, setting());
}

std::array<double, 4> VirtualAudiometer::harmonicsInForce() const {
    constexpr std::array<FaultQuantity, 4> Orders{FaultQuantity::H2, FaultQuantity::H3, FaultQuantity::H4,
                                                  FaultQuantity::H5};
    std::array<double, 4> levels{};
    for (std::size_t k = 0; k < levels.size(); ++k)
        levels[k] = withFaults(faults, Orders[k], harmonicsDb[k], setting());
    return levels;
}

double VirtualAudiometer::crossTalkAttenuationInForce(int awayChannel) const {
    AudiometerSetting at = setting();
    at.channel = awayChannel;
    return withFaults(faults, FaultQuantity::CrossTalk, crossTalkAttenuationDb, at);
}

double VirtualAudiometer::residualSplInForce() const {
    return withFaults(faults, FaultQuantity::Noise, residualSpl, setting());
}

PulseTiming VirtualAudiometer::pulseInForce() const {
    PulseTiming timing = pulse;
    const AudiometerSetting at = setting();
    timing.riseMs = withFaults(faults, FaultQuantity::Rise, pulse.riseMs, at);
    timing.fallMs = withFaults(faults, FaultQuantity::Fall, pulse.fallMs, at);
    timing.onMs = withFaults(faults, FaultQuantity::On, pulse.onMs, at);
    timing.offMs = withFaults(faults, FaultQuantity::Off, pulse.offMs, at);
    return timing;
}

FmSettings VirtualAudiometer::fmInForce() const {
    const AudiometerSetting at = setting();
    // A fault gives the sweep from lowest to highest, as data sheets and the FM list do; the scene keeps one side.
    return {withFaults(faults, FaultQuantity::FmRate, fm.rateHz, at),
            withFaults(faults, FaultQuantity::FmDeviation, 2.0 * fm.deviationPercent, at) / 2.0};
}

AcousticScene::AcousticScene() {
    // A good booth: low-frequency rumble falling off to a few dB above 1 kHz.
    for (int band = 0; band < 33; ++band)
        m_booth[band] = std::max(-10.0, 40.0 - 1.7 * band);
}

double AcousticScene::outputSpl() const {
    const VirtualAudiometer& a = m_audiometer;
    double reference = 0.0;
    if (m_reference) {
        const double value = m_reference(a.transducer, a.frequencyHz, a.signal, a.placement());
        if (std::isfinite(value))
            reference = value;
    }
    const double error = isBroadBand(a.signal) ? a.broadBandLevelError() : a.levelErrorAt(a.frequencyHz);
    return a.dialHl + reference + error;
}

double AcousticScene::pickupResponseAt(double hz) const {
    return m_audiometer.transducer == TransducerBone && !m_calibrator.active ? responseAt(m_mastoid, hz)
                                                                             : responseAt(m_microphone, hz);
}

SoundField AcousticScene::channelField(double spl) const {
    const VirtualAudiometer& a = m_audiometer;
    const double f = a.actualFrequencyHz();
    SoundField field;
    switch (a.signal) {
    case SignalType::Off:
        break;
    case SignalType::Tone:
    case SignalType::Pulsed: {
        // A pulsed tone is on for part of each period only; the analysers average over many periods.
        const PulseTiming pulse = a.pulseInForce();
        const double duty =
            a.signal == SignalType::Pulsed ? 10.0 * std::log10(pulse.onMs / (pulse.onMs + pulse.offMs)) : 0.0;
        const std::array<double, 4> harmonics = a.harmonicsInForce();
        field.addTone(f, spl + duty);
        for (int k = 0; k < 4; ++k)
            field.addTone(f * (k + 2), spl + duty + harmonics[std::size_t(k)]);
        break;
    }
    case SignalType::Warble: {
        const double swing = f * a.fmInForce().deviationPercent / 100.0;
        field.addNoise(f - swing, f + swing, spl, SoundSource::Tone); // a swept tone, steady on average
        break;
    }
    case SignalType::NarrowBand: {
        const double half = std::pow(2.0, a.narrowBandOctaves / 2.0);
        const double tilt = a.noiseTiltInForce();
        field = shapedNoise(f / half, f * half, spl, [tilt](double hz) { return tiltDb(tilt, hz); });
        break;
    }
    case SignalType::WhiteNoise:
        field = whiteNoise(spl);
        break;
    case SignalType::Speech:
        field = speechNoise(spl);
        break;
    }
    return field;
}

// White noise is calibrated by its overall C-weighted level, the way the speech test reads it: the level of a
// healthy generator, before its tilt and resonances.
SoundField AcousticScene::whiteNoise(double spl) const {
    const VirtualAudiometer& a = m_audiometer;
    SoundField flat;
    flat.addNoise(WhiteNoiseLowHz, WhiteNoiseHighHz, 0.0);
    const double tilt = a.noiseTiltInForce();
    return shapedNoise(
        WhiteNoiseLowHz, WhiteNoiseHighHz, spl - flat.overallLevel(CWeighting),
        [&a, tilt](double hz) { return tiltDb(tilt, hz) + a.spectralErrorAt(hz); }, a.spectralFaultEdges());
}

// Speech levels are the level of the 1000 Hz one-third-octave band, which the tilt pivots on.
SoundField AcousticScene::speechNoise(double spl) const {
    const VirtualAudiometer& a = m_audiometer;
    const double at1000 = shapedNoise(SpeechLowHz, SpeechHighHz, 0.0, speechShapeDb).bandLevel(Band1000Hz);
    const double tilt = a.noiseTiltInForce();
    return shapedNoise(
        SpeechLowHz, SpeechHighHz, spl - at1000,
        [&a, tilt](double hz) { return speechShapeDb(hz) + tiltDb(tilt, hz) + a.spectralErrorAt(hz); },
        a.spectralFaultEdges());
}

SoundField AcousticScene::audiometerField() const {
    const VirtualAudiometer& a = m_audiometer;
    const double spl = outputSpl();
    SoundField field;
    if (a.earphoneOnCoupler < 0) {
        field = channelField(spl);
    } else {
        const bool onCouplerPlays = a.earphoneOnCoupler == 0 ? a.leftOn : a.rightOn;
        const bool otherPlays = a.earphoneOnCoupler == 0 ? a.rightOn : a.leftOn;
        if (onCouplerPlays)
            field.add(channelField(spl));
        if (otherPlays)
            field.add(channelField(spl - a.crossTalkAttenuationInForce(1 - a.earphoneOnCoupler)));
    }
    field.addNoise(WhiteNoiseLowHz, WhiteNoiseHighHz, a.residualSplInForce(), SoundSource::NoiseSignal);
    return field;
}

SoundField AcousticScene::field() const {
    SoundField field;
    if (m_calibrator.active) {
        field.addTone(m_calibrator.frequencyHz, m_calibrator.spl, SoundSource::Calibrator);
    } else {
        field = audiometerField();
        const bool isolated = m_inCoupler && m_audiometer.transducer != TransducerSpeakers;
        const double edge = std::pow(10.0, 0.05);
        for (int band = 0; band < 33; ++band) {
            const double centre = SoundField::bandCentreHz(band);
            field.addNoise(centre / edge, centre * edge, m_booth[band] - (isolated ? couplerIsolationDb : 0.0),
                           SoundSource::Booth);
        }
    }
    SoundField heard;
    for (const SoundField::Tone& tone : field.tones())
        heard.addTone(tone.frequencyHz, tone.spl + pickupResponseAt(tone.frequencyHz), tone.source);
    for (const SoundField::NoiseBand& noise : field.noise())
        heard.addNoise(noise.lowHz, noise.highHz, noise.spl + pickupResponseAt(std::sqrt(noise.lowHz * noise.highHz)),
                       noise.source);
    return heard;
}

} // namespace orvik::sim
