#include "sim/NoiseSpectrum.h"

#include <algorithm>
#include <cmath>

namespace orvik::sim {

namespace {
const double SliceRatio = std::pow(2.0, 1.0 / 24.0);
constexpr double SpeechCornerHz = 500.0;
constexpr double SpeechSlopeDbPerOctave = -6.0;
} // namespace

SoundField shapedNoise(double lowHz, double highHz, double flatDb, const NoiseShape& shape, std::vector<double> edges,
                       SoundSource source) {
    SoundField field;
    if (!(highHz > lowHz) || lowHz <= 0.0)
        return field;
    for (double edge = lowHz; edge < highHz; edge *= SliceRatio)
        edges.push_back(edge);
    edges.push_back(highHz);
    std::erase_if(edges, [=](double edge) { return edge < lowHz || edge > highHz; });
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
    const double width = highHz - lowHz;
    for (std::size_t n = 1; n < edges.size(); ++n) {
        const double low = edges[n - 1];
        const double high = edges[n];
        const double share = 10.0 * std::log10((high - low) / width);
        field.addNoise(low, high, flatDb + share + shape(std::sqrt(low * high)), source);
    }
    return field;
}

double speechShapeDb(double hz) {
    return hz <= SpeechCornerHz ? 0.0 : SpeechSlopeDbPerOctave * std::log2(hz / SpeechCornerHz);
}

} // namespace orvik::sim
