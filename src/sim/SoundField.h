#pragma once

#include <vector>

namespace orvik::sim {

// Where a component of the field comes from. A meter's reading of a steady calibrator tone hardly moves, one of
// random noise moves by tenths of a dB: the analysers need to know which is which.
enum class SoundSource { Calibrator, Tone, NoiseSignal, Booth };
inline constexpr int SoundSourceCount = 4;

// What reaches the meter's microphone, as the analysers see it: pure components and bands of noise, each
// with its sound pressure level. Every analyser of the meter (third-octave bands, FFT lines, overall level)
// reads the same field, so they always agree with each other.
class SoundField {
public:
    struct Tone {
        double frequencyHz;
        double spl;
        SoundSource source = SoundSource::Tone;
    };
    struct NoiseBand {
        double lowHz;
        double highHz;
        double spl; // total over the band, energy spread evenly over frequency
        SoundSource source = SoundSource::NoiseSignal;
    };

    void addTone(double frequencyHz, double spl, SoundSource source = SoundSource::Tone);
    void addNoise(double lowHz, double highHz, double spl, SoundSource source = SoundSource::NoiseSignal);
    void add(const SoundField& other);
    // Every component lowered or raised by the same amount.
    void scale(double db);
    // Only the components that come from one source.
    SoundField from(SoundSource source) const;

    // Energy between two frequencies, as a level; -infinity for none.
    double levelBetween(double lowHz, double highHz) const;
    // The one-third-octave band b (0 = 12.5 Hz, 19 = 1000 Hz, 32 = 20 kHz), base-ten band edges.
    double bandLevel(int band) const;
    static double bandCentreHz(int band);
    // An FFT line of the given width centred on a frequency.
    double lineLevel(double centreHz, double widthHz) const;
    // Overall level through a frequency weighting: 0 A, 1 C, anything else flat.
    double overallLevel(int weighting) const;

    const std::vector<Tone>& tones() const { return m_tones; }
    const std::vector<NoiseBand>& noise() const { return m_noise; }

private:
    std::vector<Tone> m_tones;
    std::vector<NoiseBand> m_noise;
};

// Sum of levels in energy; -infinity stands for nothing.
double addLevels(double a, double b);
// A and C weighting in dB at a frequency (the analytic curves of the sound level meter standard).
double weightingDb(int weighting, double frequencyHz);

} // namespace orvik::sim
