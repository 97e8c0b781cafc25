#include "sim/AcousticScene.h"

#include <cmath>
#include <limits>

namespace orvik::sim {

namespace {
constexpr int TransducerSpeakers = 2;
constexpr double WhiteNoiseLowHz = 20.0;
constexpr double WhiteNoiseHighHz = 12000.0;
constexpr double SpeechLowHz = 100.0;
constexpr double SpeechHighHz = 8000.0;

// Width of the 1000 Hz one-third-octave band, to which speech levels are referred.
double thirdOctaveWidthAt1k() {
    return 1000.0 * (std::pow(10.0, 0.05) - std::pow(10.0, -0.05));
}
} // namespace

double VirtualAudiometer::levelErrorAt(double hz) const {
    for (auto it = levelErrorDb.cbegin(); it != levelErrorDb.cend(); ++it)
        if (std::abs(it.key() - hz) <= 0.01 * hz)
            return it.value();
    return 0.0;
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
        const double value = m_reference(a.transducer, a.frequencyHz, a.signal);
        if (std::isfinite(value))
            reference = value;
    }
    return a.dialHl + reference + a.levelErrorAt(a.frequencyHz);
}

double AcousticScene::microphoneResponseAt(double hz) const {
    if (m_microphone.isEmpty() || hz <= 0.0)
        return 0.0;
    auto upper = m_microphone.lowerBound(hz);
    if (upper == m_microphone.cbegin())
        return upper.value();
    if (upper == m_microphone.cend())
        return std::prev(upper).value();
    const auto lower = std::prev(upper);
    const double t = std::log(hz / lower.key()) / std::log(upper.key() / lower.key());
    return lower.value() + t * (upper.value() - lower.value());
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
        const double duty =
            a.signal == SignalType::Pulsed ? 10.0 * std::log10(a.pulse.onMs / (a.pulse.onMs + a.pulse.offMs)) : 0.0;
        field.addTone(f, spl + duty);
        for (int k = 0; k < 4; ++k)
            field.addTone(f * (k + 2), spl + duty + a.harmonicsDb[k]);
        break;
    }
    case SignalType::Warble: {
        const double swing = f * a.fm.deviationPercent / 100.0;
        field.addNoise(f - swing, f + swing, spl, SoundSource::Tone); // a swept tone, steady on average
        break;
    }
    case SignalType::NarrowBand: {
        const double half = std::pow(2.0, a.narrowBandOctaves / 2.0);
        field.addNoise(f / half, f * half, spl);
        break;
    }
    case SignalType::WhiteNoise:
        field.addNoise(WhiteNoiseLowHz, WhiteNoiseHighHz, spl);
        break;
    case SignalType::Speech:
        // Speech levels are the level in the 1000 Hz band; the noise standing in for speech is spread evenly.
        field.addNoise(SpeechLowHz, SpeechHighHz,
                       spl + 10.0 * std::log10((SpeechHighHz - SpeechLowHz) / thirdOctaveWidthAt1k()));
        break;
    }
    return field;
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
            field.add(channelField(spl - a.crossTalkAttenuationDb));
    }
    field.addNoise(WhiteNoiseLowHz, WhiteNoiseHighHz, a.residualSpl, SoundSource::NoiseSignal);
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
        heard.addTone(tone.frequencyHz, tone.spl + microphoneResponseAt(tone.frequencyHz), tone.source);
    for (const SoundField::NoiseBand& noise : field.noise())
        heard.addNoise(noise.lowHz, noise.highHz,
                       noise.spl + microphoneResponseAt(std::sqrt(noise.lowHz * noise.highHz)), noise.source);
    return heard;
}

} // namespace orvik::sim
