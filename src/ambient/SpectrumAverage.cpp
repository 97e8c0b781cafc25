#include "ambient/SpectrumAverage.h"

#include <algorithm>
#include <cmath>

namespace orvik {

void SpectrumAverage::add(const QByteArray& block, float calibrationOffset) {
    std::array<unsigned char, BufferSize> buffer{};
    std::copy_n(block.constData(), std::min<qsizetype>(block.size(), BoothBlockSize), buffer.begin());
    std::array<double, AmbientBandCount> levels{};
    for (int band = 0; band < AmbientBandCount; ++band)
        levels[band] = buffer[3 + 2 * band] + buffer[4 + 2 * band] / 256.0 + calibrationOffset;
    addLevels(levels);
}

void SpectrumAverage::addLevels(const std::array<double, AmbientBandCount>& levels) {
    for (int band = 0; band < AmbientBandCount; ++band)
        m_sums[band] += std::pow(10.0, levels[band]);
    ++m_samples;
}

std::array<float, AmbientBandCount> SpectrumAverage::result() const {
    std::array<float, AmbientBandCount> levels{};
    for (int band = 0; band < AmbientBandCount; ++band)
        levels[band] = float(std::log10(m_sums[band] / m_samples));
    return levels;
}

} // namespace orvik
