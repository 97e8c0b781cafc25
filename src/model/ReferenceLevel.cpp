#include "model/ReferenceLevel.h"

#include "model/ReferenceTables.h"
#include "model/Transducer.h"

#include <cmath>

namespace orvik {

namespace {
// At or below this a stored reference counts as not defined.
constexpr float MissingThreshold = 0.00001f;

float rawReference(const TestSetup& setup, const ReferenceQuery& query) {
    const auto f = static_cast<std::size_t>(query.frequency);
    switch (static_cast<TransducerKind>(query.transducer)) {
    case TransducerKind::SupraAural:
        return setup.supraAural.retspl[f];
    case TransducerKind::BoneVibrator:
        return query.forehead ? foreheadRetfl()[f] : mastoidRetfl()[f];
    case TransducerKind::SoundField:
        return query.binaural ? soundFieldBinaural()[f] : soundFieldMonaural(query.angle)[f];
    case TransducerKind::Insert:
        return setup.insert.retspl[f];
    case TransducerKind::Circumaural:
        return setup.circumaural.retspl[f];
    }
    return 0.f;
}

bool reportsMissing(const ReferenceQuery& query) {
    switch (static_cast<TransducerKind>(query.transducer)) {
    case TransducerKind::SupraAural:
    case TransducerKind::Circumaural:
        return true;
    case TransducerKind::BoneVibrator:
        // The bone vibrator has no reference below 250 Hz or above 8000 Hz by design, not by omission.
        return query.frequency >= 5 && query.frequency <= LastLowFrequency;
    case TransducerKind::SoundField:
    case TransducerKind::Insert:
        break;
    }
    return false;
}
} // namespace

void MissingReferenceList::add(FreqIndex index) {
    if (isFreqIndex(index) && !m_indices.contains(index))
        m_indices.append(index);
}

void MissingReferenceList::clear() {
    m_indices.clear();
}

QStringList MissingReferenceList::labels() const {
    QStringList result;
    for (const FreqIndex index : m_indices)
        result.append(frequencyLabel(index));
    return result;
}

float getReferenceLevel(const TestSetup& setup, const ReferenceQuery& query, MissingReferenceList* missing) {
    if (!isTransducerKind(query.transducer) || !isFreqIndex(query.frequency))
        return 0.f;
    // A stored block may hold anything; a value that is not a finite number is no reference either.
    float level = rawReference(setup, query);
    if (!std::isfinite(level))
        level = 0.f;
    if (missing && reportsMissing(query) && level <= MissingThreshold)
        missing->add(query.frequency);
    if (query.test == ReferenceTestKind::Speech)
        level += SpeechCorrection;
    else if (query.test == ReferenceTestKind::NarrowBand)
        level += narrowBandCorrection(query.frequency);
    return level;
}

} // namespace orvik
