#pragma once

#include "database/DatabaseError.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

namespace orvik {

namespace Table {
inline const QString AudTestMeasurements = QStringLiteral("AudTestMeasurements");
inline const QString AmbientMeasurements = QStringLiteral("AmbientMeasurements");
inline const QString EquipmentList = QStringLiteral("EquipmentList");
inline const QString Schema = QStringLiteral("Schema");
} // namespace Table

// The search columns of the two measurement tables, beside their Id and Data.
namespace TableColumns {
inline const QStringList AudTestMeasurements{QStringLiteral("Technician"), QStringLiteral("Date"),
                                             QStringLiteral("ModelNum"), QStringLiteral("SerialNum"),
                                             QStringLiteral("ChannelNum")};
inline const QStringList AmbientMeasurements{QStringLiteral("TestName"), QStringLiteral("Date"),
                                             QStringLiteral("Customer"), QStringLiteral("Booth")};
} // namespace TableColumns

inline constexpr int CurrentSchemaVersion = 7;

// Looking at a file never changes it: a read-only connection cannot create a table, convert or write a row.
enum class OpenMode { ReadWrite, ReadOnly };

// One database file (SQLite 3 under the historical ".mdb" names) with the four tables. Every failure throws a
// DatabaseError with the engine's code and text; a failed open leaves the object closed.
class Database {
public:
    Database();
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Creates a new file with the four tables, their "IdIndex" and schema version 7, and leaves it open.
    void create(const QString& path);
    // Opens an existing file, shared and writable unless asked for read-only.
    void open(const QString& path, OpenMode mode = OpenMode::ReadWrite);
    void close();
    bool isOpen() const { return m_open; }
    bool isReadOnly() const { return m_mode == OpenMode::ReadOnly; }
    const QString& path() const { return m_path; }

    bool tableExists(const QString& table);
    // Creates the data tables and the schema table that are missing; writes no rows.
    void createTables();
    void createSchemaTable();

    // The low 16 bits of the first Schema row; 0 for an empty table. Throws ItemNotFound without the table.
    int readSchemaVersion();
    void writeSchemaVersion(int version);

    int rowCount(const QString& table);

    // Runs statements as one transaction: all or nothing. Nested calls join the outermost transaction, so a
    // whole conversion can be one transaction while each row's update still brackets itself.
    void beginTransaction();
    void commit();
    void rollback();

    QSqlDatabase& connection() { return m_db; }
    [[noreturn]] void fail(int code, const QString& text) const;
    [[noreturn]] void failWithEngineError(const QString& what, const QString& engineText) const;
    void exec(const QString& statement);

private:
    QString m_connectionName;
    QSqlDatabase m_db;
    QString m_path;
    bool m_open = false;
    OpenMode m_mode = OpenMode::ReadWrite;
    int m_transactionDepth = 0;
};

} // namespace orvik
