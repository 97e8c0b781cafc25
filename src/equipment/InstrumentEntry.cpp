#include "equipment/InstrumentEntry.h"

#include <cstring>

namespace orvik {

namespace {
template <typename Embedded> Embedded embeddedPart(const InstrumentEntry& entry) {
    static_assert(sizeof(Embedded) <= sizeof(InstrumentEntry) - offsetof(InstrumentEntry, identity));
    Embedded embedded;
    std::memcpy(&embedded, &entry.identity, sizeof embedded);
    return embedded;
}

void roundAll(float* values, int count) {
    for (int i = 0; i < count; ++i)
        values[i] = roundToHundredth(values[i]);
}
} // namespace

float* InstrumentEntry::mastoidResponseSet(int set) {
    return set == 3 ? values.mastoid.response3 : set == 2 ? values.mastoid.response2 : values.mastoid.response1;
}

const float* InstrumentEntry::mastoidResponseSet(int set) const {
    return const_cast<InstrumentEntry*>(this)->mastoidResponseSet(set);
}

InstrumentEntry emptyInstrumentEntry(InstrumentKind kind) {
    InstrumentEntry entry;
    std::memset(&entry, 0, sizeof entry);
    entry.kind = static_cast<qint32>(kind);
    return entry;
}

QString listLine(const InstrumentEntry& entry) {
    return QStringLiteral("%1 SN-%2").arg(entry.model(), entry.serialNumber());
}

QString formatDueDate(int year, int month, int day) {
    return QString::asprintf("%04d-%02d-%02d", year, month, day);
}

float roundToHundredth(float value) {
    return QString::asprintf("%.2f", static_cast<double>(value) + 0.0001).toFloat();
}

void roundValuesToHundredth(InstrumentEntry& entry) {
    switch (static_cast<InstrumentKind>(entry.kind)) {
    case InstrumentKind::Microphone:
        roundAll(entry.values.microphone.pressureResponse, FrequencyCount);
        roundAll(entry.values.microphone.gridCorrection, GridCorrectionCount);
        break;
    case InstrumentKind::Mastoid:
        for (int set = 1; set <= MastoidResponseSets; ++set)
            roundAll(entry.mastoidResponseSet(set), FrequencyCount);
        break;
    default:
        break;
    }
}

EmbeddedIdentity toEmbeddedIdentity(const InstrumentEntry& entry) {
    return entry.identity;
}
EmbeddedCalibrator toEmbeddedCalibrator(const InstrumentEntry& entry) {
    return embeddedPart<EmbeddedCalibrator>(entry);
}
EmbeddedMicrophone toEmbeddedMicrophone(const InstrumentEntry& entry) {
    return embeddedPart<EmbeddedMicrophone>(entry);
}
EmbeddedMastoid toEmbeddedMastoid(const InstrumentEntry& entry) {
    return embeddedPart<EmbeddedMastoid>(entry);
}
EmbeddedMastoidTail toEmbeddedMastoidTail(const InstrumentEntry& entry) {
    static_assert(offsetof(MastoidValues, response3) - offsetof(MastoidValues, block) ==
                  offsetof(EmbeddedMastoidTail, response3));
    EmbeddedMastoidTail tail;
    std::memcpy(&tail, entry.values.mastoid.block, sizeof tail);
    return tail;
}

InstrumentEntry fromEmbedded(InstrumentKind kind, const void* embedded, std::size_t size) {
    InstrumentEntry entry = emptyInstrumentEntry(kind);
    std::memcpy(&entry.identity, embedded, std::min(size, sizeof entry - offsetof(InstrumentEntry, identity)));
    return entry;
}

} // namespace orvik
