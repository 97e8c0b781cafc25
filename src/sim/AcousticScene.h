#pragma once

#include "sim/AudiometerFault.h"
#include "sim/SoundField.h"

#include <QMap>
#include <array>
#include <functional>
#include <vector>

namespace orvik::sim {

enum class SignalType { Off, Tone, Warble, Pulsed, NarrowBand, WhiteNoise, Speech };

// Where the reference threshold of a transducer applies: the bone vibrator on the forehead instead of the
// mastoid, the incidence angle of a speaker (0, 1, 2 for 0, 45, 90 degrees), both speakers playing together.
struct ListeningPlacement {
    bool forehead = false;
    int angle = 0;
    bool binaural = false;
};

// The sound pressure level (or force level) that 0 dB HL of a signal means for a transducer at a frequency
// (RETSPL, RETFL or the sound-field reference, with the offsets of narrow-band noise and speech). Supplied from
// outside so the scene carries no table of its own; NaN for "not defined".
using ReferenceLevelSource =
    std::function<double(int transducer, double frequencyHz, SignalType signal, const ListeningPlacement& placement)>;

struct PulseTiming {
    double riseMs = 30.0;
    double fallMs = 30.0;
    double onMs = 225.0;
    double offMs = 225.0;
    double plateauMs = 195.0;
    double offLevelBelowOnDb = 30.0; // how far the tone drops in the off time
};

struct FmSettings {
    double rateHz = 5.0;
    double deviationPercent = 5.0; // each side of the carrier
};

// The audiometer under test as the technician has set it, with the faults it may have.
struct VirtualAudiometer {
    SignalType signal = SignalType::Off;
    int dialHl = 0;
    double frequencyHz = 1000.0;
    int channel = 0;    // 0 Left, 1 Right, 2 Both
    int transducer = 0; // 0 supra-aural, 1 bone vibrator, 2 speakers, 3 insert, 4 circumaural
    // The audiometer's bone output is set for the forehead; its speaker output for this incidence angle (0, 1, 2
    // for 0, 45, 90 degrees). Playing both speakers (channel 2) it is set for binaural listening.
    bool forehead = false;
    int speakerAngle = 0;

    // Cross talk: which earphone sits on the coupler (-1: the playing channel's) and which channels play.
    int earphoneOnCoupler = -1;
    bool leftOn = true;
    bool rightOn = true;

    // Errors of the audiometer: output error by frequency (Hz → dB, nearest entry within 1 %), frequency error,
    // harmonics relative to the fundamental (2nd to 5th), attenuation of the channel away from the coupler, the
    // residual output with the tone off, and the width of its narrow-band noise.
    QMap<double, double> levelErrorDb;
    double frequencyErrorPercent = 0.0;
    std::array<double, 4> harmonicsDb{-60.0, -66.0, -72.0, -78.0};
    double crossTalkAttenuationDb = 85.0;
    double residualSpl = -20.0;
    double narrowBandOctaves = 1.0 / 3.0;
    // The noise generator's slope around 1000 Hz (white, speech and narrow-band noise alike), dB per octave.
    double noiseTiltDbPerOctave = 0.0;
    // The source the last prompt named ("Mic", "Tape/CD A", "Audiometer White Noise", ...) and the output
    // errors of the sources, dB: a tape deck whose level is set too high.
    QString source;
    QMap<QString, double> sourceLevelErrorDb;
    PulseTiming pulse;
    FmSettings fm;
    // Faults limited to some settings, on top of the errors above (see withFaults); the analysers and the
    // scene read the errors through the ...InForce() accessors so that these count.
    QList<AudiometerFault> faults;

    AudiometerSetting setting() const { return {transducer, channel, frequencyHz, dialHl}; }
    ListeningPlacement placement() const;
    double actualFrequencyHz() const;
    double levelErrorAt(double frequencyHz) const;
    // A broad-band signal (white or speech noise) has no dial frequency: its output error is what the faults
    // without a frequency and its source give, and a fault limited to a frequency shapes its spectrum instead
    // (spectralErrorAt).
    double broadBandLevelError() const;
    // The faults limited to a frequency act on a broad-band signal as narrow resonances: each raises or lowers
    // the noise within SpectralFaultHalfWidthHz of its frequency.
    double spectralErrorAt(double frequencyHz) const;
    std::vector<double> spectralFaultEdges() const;
    double noiseTiltInForce() const;
    std::array<double, 4> harmonicsInForce() const;
    // `awayChannel`: the channel away from the coupler, which a cross-talk fault's ear names.
    double crossTalkAttenuationInForce(int awayChannel) const;
    double residualSplInForce() const;
    PulseTiming pulseInForce() const;
    FmSettings fmInForce() const;
};

// Half the width of the resonance a frequency-limited level fault puts into a broad-band noise: one line of the
// meter's 10 kHz FFT (25 Hz apart), so that a fault moves exactly the line at its frequency.
inline constexpr double SpectralFaultHalfWidthHz = 12.5;

// An acoustic calibrator on the microphone: while it is active the microphone hears nothing else.
struct VirtualCalibrator {
    bool active = false;
    double frequencyHz = 1000.0;
    double spl = 114.0;
    // A disturbed calibrator (loosely seated on the microphone, handled during the reading, a failing battery):
    // its level wanders from reading to reading by this much (standard deviation, dB). 0 for a good one.
    double wanderDb = 0.0;
};

// Everything behind the meter's microphone: the audiometer through its transducer and coupler, the booth's
// own noise, or a calibrator; then the coupler microphone's response.
class AcousticScene {
public:
    AcousticScene();

    VirtualAudiometer& audiometer() { return m_audiometer; }
    const VirtualAudiometer& audiometer() const { return m_audiometer; }
    VirtualCalibrator& calibrator() { return m_calibrator; }
    const VirtualCalibrator& calibrator() const { return m_calibrator; }
    // Booth noise per one-third-octave band (33 levels, dB SPL).
    std::array<double, 33>& boothNoise() { return m_booth; }
    // The coupler microphone's response relative to flat, by frequency (Hz → dB), interpolated on log frequency.
    QMap<double, double>& microphoneResponse() { return m_microphone; }
    // What the artificial mastoid and its microphone read above the force level the bone vibrator applies, by
    // frequency (Hz → dB): it stands in for the microphone's response while the bone vibrator is measured.
    QMap<double, double>& mastoidResponse() { return m_mastoid; }
    void setReferenceLevels(ReferenceLevelSource source) { m_reference = std::move(source); }
    // The microphone sits in a coupler or on a mastoid, which keeps most of the booth noise out; for a booth
    // test or a sound field it stands in the open.
    void setMicrophoneInCoupler(bool inCoupler) { m_inCoupler = inCoupler; }
    double couplerIsolationDb = 25.0;

    // The sound pressure level the transducer produces for the current setting (before the microphone).
    double outputSpl() const;
    // What the meter's microphone turns into signal, booth noise included.
    SoundField field() const;
    // Counts every change made through touch(); the meter restarts its settling on a change.
    int version() const { return m_version; }
    void touch() { ++m_version; }
    // The technician puts another transducer on the coupler (0..4 as `VirtualAudiometer::transducer`).
    void placeTransducer(int transducer) {
        m_audiometer.transducer = transducer;
        m_audiometer.earphoneOnCoupler = -1;
        touch();
    }

    // The microphone's response, or the mastoid's while the bone vibrator sits on it.
    double pickupResponseAt(double frequencyHz) const;

private:
    SoundField audiometerField() const;
    SoundField channelField(double spl) const;
    SoundField whiteNoise(double spl) const;
    SoundField speechNoise(double spl) const;

    VirtualAudiometer m_audiometer;
    VirtualCalibrator m_calibrator;
    std::array<double, 33> m_booth{};
    QMap<double, double> m_microphone;
    QMap<double, double> m_mastoid;
    ReferenceLevelSource m_reference;
    bool m_inCoupler = true;
    int m_version = 0;
};

} // namespace orvik::sim
