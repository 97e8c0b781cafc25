#include "database/Database.h"

#include "database/FileSwap.h"

#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>
#include <cerrno>
#include <cstring>

Q_LOGGING_CATEGORY(lcDatabase, "orvik.database.engine", QtWarningMsg)

namespace orvik {

namespace {
struct TableDefinition {
    const QString& name;
    const char* columns;
};

// Sizes are those of the historical tables; SQLite keeps longer texts whole, so a record field that is
// longer than its column (a 15-character model in a 14-character column) is never refused or cut.
const TableDefinition DataTables[] = {
    {Table::EquipmentList, "Id INTEGER PRIMARY KEY AUTOINCREMENT NOT NULL, Data BLOB"},
    {Table::AmbientMeasurements, "Id INTEGER PRIMARY KEY AUTOINCREMENT NOT NULL, TestName TEXT(41), Date DATETIME, "
                                 "Customer TEXT(41), Booth TEXT(41), Data BLOB"},
    {Table::AudTestMeasurements,
     "Id INTEGER PRIMARY KEY AUTOINCREMENT NOT NULL, Technician TEXT(41), "
     "Date DATETIME, ModelNum TEXT(14), SerialNum TEXT(17), ChannelNum SMALLINT, Data BLOB"},
};

// The browser searches these columns; an index that holds all of them answers a search without reading the
// rows and their large blocks.
const char* const SearchIndexes[] = {
    "CREATE INDEX IF NOT EXISTS AudTestSearch ON AudTestMeasurements (SerialNum, ModelNum, Technician, "
    "ChannelNum, Date)",
    "CREATE INDEX IF NOT EXISTS AmbientSearch ON AmbientMeasurements (Customer, Booth, Date, TestName)",
};
} // namespace

Database::Database() : m_connectionName(QUuid::createUuid().toString()) {}

Database::~Database() {
    close();
    QSqlDatabase::removeDatabase(m_connectionName);
}

void Database::fail(int code, const QString& text) const {
    qCDebug(lcDatabase) << code << text;
    throw DatabaseError(code, text);
}

void Database::failWithEngineError(const QString& what, const QString& engineText) const {
    fail(DatabaseErrorCode::General, QStringLiteral("%1: %2").arg(what, engineText));
}

void Database::exec(const QString& statement) {
    QSqlQuery query(m_db);
    if (!query.exec(statement))
        failWithEngineError(statement.section(u' ', 0, 2), query.lastError().text());
}

void Database::create(const QString& path) {
    if (QFileInfo::exists(path))
        fail(DatabaseErrorCode::DatabaseExists, QStringLiteral("Database already exists."));
    close();
    // The default folder does not exist before the first database is made in it.
    QDir().mkpath(QFileInfo(path).absolutePath());
    // Built under a temporary name and given its own only when whole: a create that is killed half-way leaves
    // no empty or partial file that would neither open nor let itself be created again.
    const QString building = path + QStringLiteral(".creating");
    QFile::remove(building);
    QFile::remove(building + QStringLiteral("-journal"));
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    m_db.setDatabaseName(building);
    if (!m_db.open())
        fail(DatabaseErrorCode::General, m_db.lastError().text());
    m_open = true;
    m_mode = OpenMode::ReadWrite;
    m_path = building;
    try {
        beginTransaction();
        createTables();
        createSchemaTable();
        writeSchemaVersion(CurrentSchemaVersion);
        commit();
    } catch (const DatabaseError&) {
        close();
        QFile::remove(building);
        throw;
    }
    close();
    // A journal under the new name was left by a file that is gone (a killed conversion's, say); SQLite would
    // play it back into this one.
    QFile::remove(path + QStringLiteral("-journal"));
    const int cause = FileSwap::moveToFreeName(building, path);
    if (cause != 0)
        QFile::remove(building);
    if (cause == EEXIST)
        fail(DatabaseErrorCode::DatabaseExists, QStringLiteral("Database already exists."));
    if (cause != 0)
        fail(DatabaseErrorCode::General, QString::fromLocal8Bit(std::strerror(cause)));
    open(path);
}

void Database::open(const QString& path, OpenMode mode) {
    close();
    if (!QFileInfo(path).isFile())
        fail(DatabaseErrorCode::FileNotFound, QStringLiteral("Could not find file '%1'.").arg(path));
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    m_db.setDatabaseName(path);
    m_db.setConnectOptions(mode == OpenMode::ReadOnly
                               ? QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000;QSQLITE_OPEN_READONLY")
                               : QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    if (!m_db.open())
        fail(DatabaseErrorCode::General, m_db.lastError().text());
    QSqlQuery probe(m_db);
    if (!probe.exec(QStringLiteral("SELECT count(*) FROM sqlite_master"))) {
        m_db.close();
        fail(DatabaseErrorCode::UnrecognizedFormat, QStringLiteral("Unrecognized database format '%1'.").arg(path));
    }
    m_open = true;
    m_mode = mode;
    m_path = path;
}

void Database::close() {
    rollback();
    if (m_db.isValid()) {
        m_db.close();
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_connectionName);
    }
    m_open = false;
}

bool Database::tableExists(const QString& table) {
    return m_open && m_db.tables().contains(table, Qt::CaseInsensitive);
}

void Database::createTables() {
    for (const TableDefinition& table : DataTables) {
        if (tableExists(table.name))
            continue;
        exec(QStringLiteral("CREATE TABLE %1 (%2)").arg(table.name, QLatin1String(table.columns)));
        exec(QStringLiteral("CREATE UNIQUE INDEX IdIndex_%1 ON %1 (Id)").arg(table.name));
    }
    for (const char* index : SearchIndexes)
        exec(QLatin1String(index));
}

void Database::createSchemaTable() {
    if (!tableExists(Table::Schema))
        exec(QStringLiteral("CREATE TABLE Schema (Schema INTEGER)"));
}

int Database::readSchemaVersion() {
    if (!tableExists(Table::Schema))
        fail(DatabaseErrorCode::ItemNotFound, QStringLiteral("Item not found in this collection."));
    QSqlQuery query(m_db);
    if (!query.exec(QStringLiteral("SELECT Schema FROM Schema ORDER BY rowid LIMIT 1")))
        failWithEngineError(QStringLiteral("Schema"), query.lastError().text());
    return query.next() ? static_cast<int>(query.value(0).toLongLong() & 0xFFFF) : 0;
}

void Database::writeSchemaVersion(int version) {
    exec(QStringLiteral("DELETE FROM Schema"));
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("INSERT INTO Schema (Schema) VALUES (?)"));
    query.addBindValue(version);
    if (!query.exec())
        failWithEngineError(QStringLiteral("Schema"), query.lastError().text());
}

int Database::rowCount(const QString& table) {
    if (!tableExists(table))
        fail(DatabaseErrorCode::ItemNotFound, QStringLiteral("Item not found in this collection."));
    QSqlQuery query(m_db);
    if (!query.exec(QStringLiteral("SELECT count(*) FROM %1").arg(table)) || !query.next())
        failWithEngineError(table, query.lastError().text());
    return query.value(0).toInt();
}

void Database::beginTransaction() {
    if (m_transactionDepth == 0 && !m_db.transaction())
        failWithEngineError(QStringLiteral("BEGIN"), m_db.lastError().text());
    ++m_transactionDepth;
}

void Database::commit() {
    if (m_transactionDepth == 0 || --m_transactionDepth > 0)
        return;
    if (!m_db.commit()) {
        const QString text = m_db.lastError().text();
        m_db.rollback();
        failWithEngineError(QStringLiteral("COMMIT"), text);
    }
}

void Database::rollback() {
    if (m_transactionDepth == 0)
        return;
    m_transactionDepth = 0;
    m_db.rollback();
}

} // namespace orvik
