#include "sim/SoundField.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>

namespace orvik::sim {

namespace {
constexpr double Silence = -std::numeric_limits<double>::infinity();

double toEnergy(double db) {
    return std::isfinite(db) ? std::pow(10.0, db / 10.0) : 0.0;
}
double toLevel(double energy) {
    return energy > 0.0 ? 10.0 * std::log10(energy) : Silence;
}

// Energy of a noise band that falls between two frequencies.
double overlapEnergy(const SoundField::NoiseBand& noise, double lowHz, double highHz) {
    const double width = noise.highHz - noise.lowHz;
    const double overlap = std::min(highHz, noise.highHz) - std::max(lowHz, noise.lowHz);
    if (width <= 0.0 || overlap <= 0.0)
        return 0.0;
    return toEnergy(noise.spl) * overlap / width;
}
} // namespace

double addLevels(double a, double b) {
    return toLevel(toEnergy(a) + toEnergy(b));
}

double weightingDb(int weighting, double f) {
    if (weighting != 0 && weighting != 1)
        return 0.0;
    const double f2 = f * f;
    const double c1 = 20.598997 * 20.598997;
    const double c4 = 12194.217 * 12194.217;
    if (weighting == 1) {
        const double rc = c4 * f2 / ((f2 + c1) * (f2 + c4));
        return 20.0 * std::log10(rc) + 0.06;
    }
    const double c2 = 107.65265 * 107.65265;
    const double c3 = 737.86223 * 737.86223;
    const double ra = c4 * f2 * f2 / ((f2 + c1) * std::sqrt((f2 + c2) * (f2 + c3)) * (f2 + c4));
    return 20.0 * std::log10(ra) + 2.0;
}

void SoundField::addTone(double frequencyHz, double spl, SoundSource source) {
    if (frequencyHz > 0.0 && std::isfinite(spl))
        m_tones.push_back({frequencyHz, spl, source});
}

void SoundField::addNoise(double lowHz, double highHz, double spl, SoundSource source) {
    if (highHz > lowHz && std::isfinite(spl))
        m_noise.push_back({lowHz, highHz, spl, source});
}

void SoundField::add(const SoundField& other) {
    m_tones.insert(m_tones.end(), other.m_tones.begin(), other.m_tones.end());
    m_noise.insert(m_noise.end(), other.m_noise.begin(), other.m_noise.end());
}

void SoundField::scale(double db) {
    for (Tone& tone : m_tones)
        tone.spl += db;
    for (NoiseBand& noise : m_noise)
        noise.spl += db;
}

SoundField SoundField::from(SoundSource source) const {
    SoundField part;
    std::copy_if(m_tones.begin(), m_tones.end(), std::back_inserter(part.m_tones),
                 [source](const Tone& tone) { return tone.source == source; });
    std::copy_if(m_noise.begin(), m_noise.end(), std::back_inserter(part.m_noise),
                 [source](const NoiseBand& noise) { return noise.source == source; });
    return part;
}

double SoundField::levelBetween(double lowHz, double highHz) const {
    double energy = 0.0;
    for (const Tone& tone : m_tones)
        if (tone.frequencyHz >= lowHz && tone.frequencyHz < highHz)
            energy += toEnergy(tone.spl);
    for (const NoiseBand& noise : m_noise)
        energy += overlapEnergy(noise, lowHz, highHz);
    return toLevel(energy);
}

double SoundField::bandCentreHz(int band) {
    return 1000.0 * std::pow(10.0, (band - 19) / 10.0);
}

double SoundField::bandLevel(int band) const {
    const double centre = bandCentreHz(band);
    const double edge = std::pow(10.0, 0.05);
    return levelBetween(centre / edge, centre * edge);
}

double SoundField::lineLevel(double centreHz, double widthHz) const {
    return levelBetween(centreHz - widthHz / 2.0, centreHz + widthHz / 2.0);
}

double SoundField::overallLevel(int weighting) const {
    double energy = 0.0;
    for (const Tone& tone : m_tones)
        energy += toEnergy(tone.spl + weightingDb(weighting, tone.frequencyHz));
    // Noise is weighted in sixth-octave slices, fine enough for curves that change slowly.
    for (const NoiseBand& noise : m_noise) {
        for (double low = std::max(noise.lowHz, 1.0); low < noise.highHz; low *= std::pow(2.0, 1.0 / 6.0)) {
            const double high = std::min(noise.highHz, low * std::pow(2.0, 1.0 / 6.0));
            energy += overlapEnergy(noise, low, high) * toEnergy(weightingDb(weighting, std::sqrt(low * high)));
        }
    }
    return toLevel(energy);
}

} // namespace orvik::sim
