#pragma once

#include "sim/SoundField.h"

#include <functional>
#include <vector>

namespace orvik::sim {

// The density of a noise signal relative to flat, dB, by frequency.
using NoiseShape = std::function<double(double hz)>;

// A noise signal whose density varies over its band: slices a 24th of an octave wide (cut also at `edges`, so
// that a feature with sharp edges starts and ends on a slice), each at the shape's offset at its centre. `flatDb`
// is the level the band would have with a flat density; the slices' total differs from it by what the shape adds.
SoundField shapedNoise(double lowHz, double highHz, double flatDb, const NoiseShape& shape,
                       std::vector<double> edges = {}, SoundSource source = SoundSource::NoiseSignal);

// The long-term spectrum of speech as audiometers' speech noise imitates it: flat up to 500 Hz, falling 6 dB an
// octave above.
double speechShapeDb(double hz);

} // namespace orvik::sim
