#pragma once

#include "ambient/AmbientRecord.h"
#include "equipment/InstrumentLists.h"
#include "model/AudiometerRecord.h"

#include <QString>

namespace orvik {

// A laboratory's history made up deterministically from a seed: audiometer and booth tests spread over ten
// years, and the instrument lists they used. Records are made one at a time from their index, so a history of
// tens of thousands of tests never has to be held in memory. Tests, demos and benchmarks write it as a
// database of any schema version 1..7.
class LabHistoryGenerator {
public:
    explicit LabHistoryGenerator(quint32 seed = 1) : m_seed(seed) {}

    AudiometerRecord audiometerRecord(int index) const;
    AmbientRecord ambientRecord(int index) const;
    // Five of each kind unless asked otherwise; without mastoids for files older than the mastoid list.
    InstrumentLists instruments(int perKind = 5, bool withMastoids = true) const;

    // Version 6 kept the time of saving in the audiometer rows' Date column: this is the time written there.
    static constexpr double SavedTimeOfDay = 0.6875; // 16:30

    // Creates `path` as a database of `schemaVersion` holding the first `audiometerCount` and `boothCount`
    // records and the instrument lists, all in that version's layout. Throws DatabaseError on engine failure.
    void writeDatabase(const QString& path, int schemaVersion, int audiometerCount, int boothCount,
                       const InstrumentLists& lists) const;

private:
    quint32 m_seed;
};

} // namespace orvik
