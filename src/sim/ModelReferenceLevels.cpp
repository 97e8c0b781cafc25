#include "sim/ModelReferenceLevels.h"

#include "model/FrequencyTable.h"
#include "model/ReferenceLevel.h"

#include <cmath>
#include <limits>
#include <memory>

namespace orvik::sim {

namespace {
FreqIndex nearestFreqIndex(double hz) {
    FreqIndex best = 0;
    double bestDistance = std::numeric_limits<double>::infinity();
    for (FreqIndex i = 0; i < FrequencyCount; ++i) {
        const double distance = std::abs(std::log(hz / frequencyHz(i)));
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

ReferenceTestKind testKindOf(SignalType signal) {
    switch (signal) {
    case SignalType::NarrowBand:
        return ReferenceTestKind::NarrowBand;
    case SignalType::Speech:
        return ReferenceTestKind::Speech;
    default:
        return ReferenceTestKind::Tone;
    }
}
} // namespace

ReferenceLevelSource modelReferenceLevels(const TestSetup& setup) {
    const auto copy = std::make_shared<TestSetup>(setup);
    return [copy](int transducer, double hz, SignalType signal, const ListeningPlacement& placement) -> double {
        if (signal == SignalType::WhiteNoise)
            return WhiteNoiseReferenceDb;
        if (!(hz > 0.0))
            return std::numeric_limits<double>::quiet_NaN();
        // Speech is referred to 1000 Hz whatever the prompt's frequency.
        const FreqIndex frequency = signal == SignalType::Speech ? freqIndexOf(1000.f) : nearestFreqIndex(hz);
        ReferenceQuery query;
        query.transducer = transducer;
        query.frequency = frequency;
        query.test = testKindOf(signal);
        query.forehead = placement.forehead;
        query.angle = placement.angle;
        query.binaural = placement.binaural;
        const float level = getReferenceLevel(*copy, query);
        // Zero means no reference; a negative one is real (the speakers' from 2000 Hz, some insert couplers').
        return std::abs(level) > 0.00001f ? level : std::numeric_limits<double>::quiet_NaN();
    };
}

} // namespace orvik::sim
