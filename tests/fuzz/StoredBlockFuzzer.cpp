// Stored blocks of every schema version: the steps that bring an old layout up to date, then the reading of
// the block. The first byte chooses the kind and the version; the rest is the payload, also tried cut or padded
// to the exact size of that version so that the steps are reached at all.
#include "FuzzSupport.h"
#include "database/EngineDate.h"
#include "database/OldRecordLayouts.h"
#include "database/StoredBlock.h"

#include <cstring>
#include <type_traits>

using namespace orvik;

namespace {
enum class Kind { Audiometer, Ambient, Equipment };

int payloadSize(Kind kind, int version) {
    switch (kind) {
    case Kind::Audiometer: return OldLayout::audiometerRecordSize(version);
    case Kind::Ambient: return OldLayout::ambientRecordSize(version);
    case Kind::Equipment: return OldLayout::equipmentEntrySize(version);
    }
    return 0;
}

QByteArray stepToCurrent(Kind kind, int version, QByteArray payload) {
    for (; version < 7 && !payload.isEmpty(); ++version) {
        switch (kind) {
        case Kind::Audiometer: payload = OldLayout::stepAudiometerRecord(version, payload); break;
        case Kind::Ambient:
            payload = OldLayout::stepAmbientRecord(version, payload, QString::fromLatin1(payload.left(40)));
            break;
        case Kind::Equipment: payload = OldLayout::stepEquipmentEntries(version, payload); break;
        }
    }
    return payload;
}

template <typename Record> void checkRoundTrip(const std::optional<Record>& record) {
    if (!record)
        return;
    const auto again = [&] {
        if constexpr (std::is_same_v<Record, AudiometerRecord>)
            return audiometerRecordFromBlock(toStoredBlock(&*record, sizeof(Record)));
        else
            return ambientRecordFromBlock(toStoredBlock(&*record, sizeof(Record)));
    }();
    fuzz::require(again && std::memcmp(&*again, &*record, sizeof(Record)) == 0, "a stored record reads back the same");
}

void readCurrent(Kind kind, const QByteArray& payload) {
    const QByteArray block = storedHeader() + payload;
    switch (kind) {
    case Kind::Audiometer: checkRoundTrip(audiometerRecordFromBlock(block)); break;
    case Kind::Ambient: checkRoundTrip(ambientRecordFromBlock(block)); break;
    case Kind::Equipment: equipmentEntriesOfBlock(block); break;
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 9)
        return 0;
    const auto kind = static_cast<Kind>(data[0] % 3);
    const int version = 1 + data[0] / 3 % 7;
    double date;
    std::memcpy(&date, data + 1, sizeof date);
    OldLayout::stepAudiometerDate(version, date);
    dateFromEngine(date);
    browserDateText(date);

    const QByteArray raw(reinterpret_cast<const char*>(data + 9), qsizetype(size - 9));
    QByteArray sized = raw;
    sized.resize(payloadSize(kind, version), '\0');
    for (const QByteArray& payload : {raw, sized}) {
        const QByteArray current = stepToCurrent(kind, version, payload);
        if (payload == sized)
            fuzz::require(!current.isEmpty() && current.size() % payloadSize(kind, 7) == 0,
                          "a payload of its version's size always steps up");
        readCurrent(kind, current);
    }
    audiometerRecordFromBlock(raw);
    ambientRecordFromBlock(raw);
    equipmentEntriesOfBlock(raw);
    return 0;
}
