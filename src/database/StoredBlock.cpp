#include "database/StoredBlock.h"

#include <QString>
#include <cstring>

namespace orvik {

namespace {
bool hasOurHeader(const QByteArray& block) {
    static const QByteArray prefix("Orvik Version ");
    return block.size() >= StoredHeaderSize && block.startsWith(prefix) &&
           std::memchr(block.constData(), 0, StoredHeaderSize) != nullptr;
}

template <typename Record> std::optional<Record> recordFromBlock(const QByteArray& block) {
    Record record;
    if (!hasOurHeader(block) || block.size() != StoredHeaderSize + static_cast<qsizetype>(sizeof record))
        return std::nullopt;
    std::memcpy(&record, block.constData() + StoredHeaderSize, sizeof record);
    return record;
}
} // namespace

QByteArray storedHeader() {
    QByteArray header = QString::asprintf("Orvik Version %05.2f", ProgramVersion).toLatin1();
    header.resize(StoredHeaderSize, '\0');
    return header;
}

QByteArray toStoredBlock(const void* record, std::size_t size) {
    QByteArray block = storedHeader();
    block.append(static_cast<const char*>(record), static_cast<qsizetype>(size));
    return block;
}

std::optional<AudiometerRecord> audiometerRecordFromBlock(const QByteArray& block) {
    return recordFromBlock<AudiometerRecord>(block);
}

std::optional<AmbientRecord> ambientRecordFromBlock(const QByteArray& block) {
    return recordFromBlock<AmbientRecord>(block);
}

std::optional<QByteArray> equipmentEntriesOfBlock(const QByteArray& block) {
    if (!hasOurHeader(block))
        return std::nullopt;
    return block.mid(StoredHeaderSize);
}

} // namespace orvik
