#pragma once

#include <QByteArray>
#include <QString>

namespace orvik {

// The stored forms of schema versions 1 to 6 and the step from each to the next (docs/old-record-layouts.md).
// Every function works on the bytes after the 20-byte header and refuses (returns an empty array) a payload
// whose size is not that of its version.
namespace OldLayout {

double programVersion(int schemaVersion); // the number its header carries
QByteArray header(int schemaVersion);

int audiometerRecordSize(int schemaVersion);
int ambientRecordSize(int schemaVersion);
int equipmentEntrySize(int schemaVersion);

// Version N to N+1. The booth step takes the row's TestName column: version 4 moved the name into the block.
QByteArray stepAudiometerRecord(int fromVersion, const QByteArray& payload);
QByteArray stepAmbientRecord(int fromVersion, const QByteArray& payload, const QString& testNameColumn);
QByteArray stepEquipmentEntries(int fromVersion, const QByteArray& payload);
// The audiometer rows' Date column: version 6 kept the time of saving in it.
double stepAudiometerDate(int fromVersion, double date);

// The reverse steps, for writing databases of the old versions (generator of test and demo files).
QByteArray downAudiometerRecord(int toVersion, const QByteArray& payload);
QByteArray downAmbientRecord(int toVersion, const QByteArray& payload);
QByteArray downEquipmentEntries(int toVersion, const QByteArray& payload);

} // namespace OldLayout

} // namespace orvik
