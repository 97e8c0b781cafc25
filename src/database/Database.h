#pragma once

#include "database/DatabaseError.h"
#include "database/ServerAddress.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QSqlError;

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

// The embedded file a technician keeps on the laptop, or the server a lab shares.
enum class Engine { File, Server };

// One database with the four tables: a file (SQLite 3 under the historical ".mdb" names) or a database on a
// PostgreSQL server named by a "postgresql://" URI, with the same tables, columns and meanings. Every failure
// throws a DatabaseError with the engine's code and text; a failed open leaves the object closed.
class Database {
public:
    Database();
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Creates the four tables, their "IdIndex" and schema version 7, and leaves the database open: a new file,
    // or the tables in an empty database on a server.
    void create(const QString& location);
    // Opens an existing database, shared and writable unless asked for read-only. A server database without
    // this program's tables is FileNotFound, as a missing file is.
    void open(const QString& location, OpenMode mode = OpenMode::ReadWrite);
    void close();
    bool isOpen() const { return m_open; }
    bool isReadOnly() const { return m_mode == OpenMode::ReadOnly; }
    Engine engine() const { return m_engine; }
    // The file's path, or the server's URI without its password.
    const QString& path() const { return m_path; }

    // Asked when a server wants a password that neither the URI, PGPASSWORD nor ~/.pgpass gave; nullopt gives
    // up. Kept in memory for this connection only.
    std::function<std::optional<QString>(const QString& uri)> askPassword;

    bool tableExists(const QString& table);
    // Creates the data tables and the schema table that are missing; writes no rows.
    void createTables();
    void createSchemaTable();

    // The low 16 bits of the first Schema row; 0 for an empty table. Throws ItemNotFound without the table.
    int readSchemaVersion();
    void writeSchemaVersion(int version);

    int rowCount(const QString& table);
    // After rows were written with their Ids as they were (a copy), new rows continue after the highest one.
    void continueIdsAfterCopy(const QString& table);
    // Removes the four tables: what a failed copy into a server leaves is an empty database again.
    void dropTables();

    // Runs statements as one transaction: all or nothing. Nested calls join the outermost transaction, so a
    // whole conversion can be one transaction while each row's update still brackets itself.
    void beginTransaction();
    void commit();
    void rollback();
    // Inside a transaction: waits until no other desk holds the same key in its transaction, and holds it until
    // this one ends, so two saves of one test from two desks follow each other. A file, which has one writer at
    // a time, makes the transaction its writer at once, whatever the key.
    void lockKey(const QString& key);

    // The comparison that finds a leading part of a text: the file engine's LIKE ignores the case of ASCII
    // letters, the server's ILIKE gives the same for every letter.
    QString likeOperator() const;

    QSqlDatabase& connection() { return m_db; }
    // A server whose connection failed is asked whether it still answers before the next use, and connected
    // again when it does not (a dropped network), so the technician can save again once it is back.
    void checkConnection();
    [[noreturn]] void fail(int code, const QString& text) const;
    [[noreturn]] void failWithEngineError(const QString& what, const QString& engineText) const;
    [[noreturn]] void failWithEngineError(const QString& what, const QSqlError& error) const;
    void exec(const QString& statement);

private:
    void openFile(const QString& path, OpenMode mode);
    void createFile(const QString& path);
    ServerAddress serverAddress(const QString& uri) const;
    void connectServer(ServerAddress address, OpenMode mode);
    void openServer(const QString& uri, OpenMode mode);
    void createServer(const QString& uri);
    bool hasOrvikTables();
    void createAll();

    QString m_connectionName;
    QSqlDatabase m_db;
    QString m_path;
    bool m_open = false;
    OpenMode m_mode = OpenMode::ReadWrite;
    Engine m_engine = Engine::File;
    std::optional<ServerAddress> m_server; // with the password the connection was made with
    mutable bool m_connectionSuspect = false;
    int m_transactionDepth = 0;
};

} // namespace orvik
