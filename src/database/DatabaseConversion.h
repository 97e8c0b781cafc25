#pragma once

#include "core/AppServices.h"

#include "database/RowId.h"

#include <QString>
#include <set>

namespace orvik {

class Database;
class ProgressWindow;
class TableCursor;

// Brings an open database of schema version 1..6 up to 7, one version at a time: each step copies every row
// into a fresh conversion file in the next layout, keeps the old file under a second name ("VERSION%d") and
// renames the conversion file over it, and reopens it. A failed step is reported and leaves the old file under
// its own name and nothing else behind. Rows whose block does not convert are carried over unchanged and
// reported by Id once the conversion is done.
class DatabaseConversion {
public:
    DatabaseConversion(AppServices services, Database& database);
    // True with the converted file open in `database`.
    bool run(int fromVersion);

    // Puts the converted file of a step that an earlier release left half-swapped under the database's name;
    // the version check then goes on from its version.
    static void finishInterruptedSwap(const QString& path);

    static inline const QString ConversionFileName = QStringLiteral("_VQ_ORVIK_CONVERSION_DB_.mdb");

private:
    bool step(int fromVersion, ProgressWindow& progress);
    bool copyRows(Database& target, int fromVersion, ProgressWindow& progress);
    bool copyAudiometerRows(Database& target, int fromVersion);
    bool copyAmbientRows(Database& target, int fromVersion);
    bool copyEquipmentList(Database& target, int fromVersion);
    void copyBlock(TableCursor& to, const QByteArray& oldBlock, const QByteArray& converted, int fromVersion,
                   std::set<RowId>& damaged);
    void reportDamaged(const std::set<RowId>& ids, const QString& what);
    bool replaceOldFile(const QString& conversionPath, int fromVersion);
    static QString keptName(const QString& path, int fromVersion);
    static QString freeKeptName(const QString& path, int fromVersion);
    static void recoverInterruptedStep(const QString& path);
    void tell(const QString& text);

    AppServices m_services;
    Database& m_db;
    struct DamagedRows {
        std::set<RowId> audiometer;
        std::set<RowId> ambient;
    } m_damaged;
};

} // namespace orvik
