#pragma once

#include "model/FrequencyTable.h"
#include "model/TestSetup.h"

#include <QStringList>

namespace orvik {

// What a test asks the reference for: a tone, narrow-band masking noise (RETSPL + masking correction) or speech
// (reference + 12.5 dB).
enum class ReferenceTestKind : int { Tone = -1, NarrowBand = 7, Speech = 9 };

// Frequencies met without a reference while a list is filled. The caller owns it, clears it before a fill and
// warns once afterwards, so that one fill gives one warning naming every frequency.
class MissingReferenceList {
public:
    void add(FreqIndex index);
    void clear();
    bool warningPending() const { return !m_indices.isEmpty(); }
    bool contains(FreqIndex index) const { return m_indices.contains(index); }
    const QList<FreqIndex>& indices() const { return m_indices; }
    QStringList labels() const; // the frequencies' short labels, in the order met

private:
    QList<FreqIndex> m_indices;
};

struct ReferenceQuery {
    int transducer = 0; // TransducerKind 0..4
    FreqIndex frequency = 0;
    ReferenceTestKind test = ReferenceTestKind::Tone;
    int angle = 0; // speakers: 0 = 0 degrees, 1 = 45 degrees, other = 90 degrees
    bool binaural = false;
    bool forehead = false; // bone vibrator placement; mastoid otherwise
};

// The one reference lookup of every measurement: the set-up's RETSPL for earphones, the built-in RETFL for the
// bone vibrator and the free-field reference for speakers, with the speech or narrow-band offset. A missing
// reference is noted in `missing` (when given) for supra-aural and circumaural earphones, and for the bone
// vibrator from 250 to 8000 Hz; speakers and inserts are never reported.
float getReferenceLevel(const TestSetup& setup, const ReferenceQuery& query, MissingReferenceList* missing = nullptr);

} // namespace orvik
