#pragma once

#include "core/AppServices.h"

#include <QString>

namespace orvik {

class Database;
class ProgressWindow;

// Brings an open database of schema version 1..6 up to 7, one version at a time: each step copies every row
// into a fresh conversion file in the next layout, renames the old file aside ("VERSION%d") and the conversion
// file into its place, and reopens it. A failed step is reported and leaves the old file under its own name,
// or under its "VERSION" name once the first rename has happened.
class DatabaseConversion {
public:
    DatabaseConversion(AppServices services, Database& database);
    // True with the converted file open in `database`.
    bool run(int fromVersion);

    static inline const QString ConversionFileName = QStringLiteral("_VQ_ORVIK_CONVERSION_DB_.mdb");

private:
    bool step(int fromVersion, ProgressWindow& progress);
    bool copyRows(Database& target, int fromVersion, ProgressWindow& progress);
    bool copyAudiometerRows(Database& target, int fromVersion);
    bool copyAmbientRows(Database& target, int fromVersion);
    bool copyEquipmentList(Database& target, int fromVersion);
    bool replaceOldFile(const QString& conversionPath, int fromVersion);
    void tell(const QString& text);

    AppServices m_services;
    Database& m_db;
};

} // namespace orvik
