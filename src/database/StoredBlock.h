#pragma once

#include "ambient/AmbientRecord.h"
#include "model/AudiometerRecord.h"

#include <QByteArray>
#include <optional>

namespace orvik {

inline constexpr int StoredHeaderSize = 20;
inline constexpr double ProgramVersion = 2.201;

// "Orvik Version 02.20", zero-filled to 20 bytes: the start of every stored block.
QByteArray storedHeader();

// A stored block: the header, then the bytes of the record exactly as they lie in memory.
QByteArray toStoredBlock(const void* record, std::size_t size);

// The record of a stored block. A missing block, a block whose header is not ours or whose length is not
// exactly header plus record is refused (nullopt): a damaged row never becomes a record, not even a blank one.
std::optional<AudiometerRecord> audiometerRecordFromBlock(const QByteArray& block);
std::optional<AmbientRecord> ambientRecordFromBlock(const QByteArray& block);

// The bytes after the header of an equipment block; nullopt when the header is not ours.
std::optional<QByteArray> equipmentEntriesOfBlock(const QByteArray& block);

} // namespace orvik
