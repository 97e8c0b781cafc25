#include "database/TableCursor.h"

#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>

namespace orvik {

TableCursor::TableCursor(Database& database, QString table, QStringList columns)
    : m_db(database), m_table(std::move(table)), m_columns(std::move(columns)) {}

void TableCursor::open(OpenType type, const SearchFilter& filter) {
    close();
    if (!m_db.isOpen() || !m_db.tableExists(m_table))
        m_db.fail(DatabaseErrorCode::ItemNotFound, QStringLiteral("Item not found in this collection."));
    if (type == OpenType::Table && !filter.isEmpty())
        m_db.fail(DatabaseErrorCode::NotSupported,
                  QStringLiteral("Operation is not supported for this type of object."));
    m_filter = filter;
    m_open = true;
    requery();
}

QString TableCursor::selectStatement() const {
    QString statement = QStringLiteral("SELECT Id");
    for (const QString& column : m_columns)
        statement += QStringLiteral(", ") + column;
    statement += QStringLiteral(" FROM ") + m_table;
    if (!m_filter.isEmpty())
        statement += QStringLiteral(" WHERE ") + m_filter.whereClause(m_db.likeOperator());
    // No ORDER BY: the engine may then answer from a covering index without touching the rows and their
    // blocks; the Id order is restored in load() at a fraction of the cost.
    return statement;
}

void TableCursor::requery() {
    m_db.checkConnection();
    QSqlQuery query(m_db.connection());
    if (!query.prepare(selectStatement()))
        m_db.failWithEngineError(m_table, query.lastError());
    m_rows.clear();
    m_loaded = false;
    m_position = 0;
    m_pending = Pending::None;
}

void TableCursor::load() const {
    if (m_loaded || !m_open)
        return;
    m_db.checkConnection();
    QSqlQuery query(m_db.connection());
    query.setForwardOnly(true);
    query.prepare(selectStatement());
    for (const SearchFilter::Condition& condition : m_filter.conditions())
        query.addBindValue(condition.value);
    if (!query.exec())
        m_db.failWithEngineError(m_table, query.lastError());
    const int width = static_cast<int>(m_columns.size()) + 1;
    std::vector<std::pair<RowId, QVariantList>> rows;
    while (query.next()) {
        QVariantList row;
        row.reserve(width);
        for (int i = 0; i < width; ++i)
            row.push_back(query.value(i));
        rows.emplace_back(row[0].toLongLong(), std::move(row));
    }
    std::sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    m_rows.reserve(rows.size());
    for (auto& row : rows)
        m_rows.push_back(std::move(row.second));
    m_loaded = true;
}

void TableCursor::close() {
    m_open = false;
    m_loaded = false;
    m_rows.clear();
    m_position = 0;
    m_pending = Pending::None;
}

void TableCursor::requireCurrent() const {
    load();
    if (!m_open || isEOF())
        m_db.fail(DatabaseErrorCode::NoCurrentRecord, QStringLiteral("No current record."));
}

RowId TableCursor::id() const {
    requireCurrent();
    return m_rows[static_cast<std::size_t>(m_position)][0].toLongLong();
}

QVariant TableCursor::value(const QString& column) const {
    requireCurrent();
    const qsizetype index = m_columns.indexOf(column);
    if (index < 0)
        m_db.fail(DatabaseErrorCode::ItemNotFound, QStringLiteral("Item not found in this collection."));
    return m_rows[static_cast<std::size_t>(m_position)][index + 1];
}

QVariant TableCursor::value(int columnIndex) const {
    requireCurrent();
    if (columnIndex < 0 || columnIndex >= m_columns.size())
        m_db.fail(DatabaseErrorCode::ItemNotFound, QStringLiteral("Item not found in this collection."));
    return m_rows[static_cast<std::size_t>(m_position)][columnIndex + 1];
}

QByteArray TableCursor::data() const {
    const RowId rowId = id();
    m_db.checkConnection();
    QSqlQuery query(m_db.connection());
    query.prepare(QStringLiteral("SELECT Data FROM %1 WHERE Id = ?").arg(m_table));
    query.addBindValue(rowId);
    if (!query.exec())
        m_db.failWithEngineError(m_table, query.lastError());
    return query.next() ? query.value(0).toByteArray() : QByteArray();
}

void TableCursor::addNew() {
    m_pending = Pending::Add;
    m_pendingValues = QVariantList(m_columns.size());
    m_pendingHasData = false;
}

void TableCursor::edit() {
    requireCurrent();
    m_pending = Pending::Edit;
    m_pendingValues = m_rows[static_cast<std::size_t>(m_position)].mid(1);
    m_pendingHasData = false;
}

void TableCursor::setValue(const QString& column, const QVariant& value) {
    const qsizetype index = m_columns.indexOf(column);
    if (m_pending == Pending::None || index < 0)
        m_db.fail(DatabaseErrorCode::NoCurrentRecord, QStringLiteral("Update or CancelUpdate without AddNew or Edit."));
    m_pendingValues[index] = value;
}

void TableCursor::setData(const QByteArray& block) {
    if (m_pending == Pending::None)
        m_db.fail(DatabaseErrorCode::NoCurrentRecord, QStringLiteral("Update or CancelUpdate without AddNew or Edit."));
    m_pendingData = block;
    m_pendingHasData = true;
}

RowId TableCursor::update() {
    load();
    if (m_pending == Pending::None)
        m_db.fail(DatabaseErrorCode::NoCurrentRecord, QStringLiteral("Update or CancelUpdate without AddNew or Edit."));
    QStringList columns = m_columns;
    QVariantList values = m_pendingValues;
    if (m_pendingHasData) {
        columns << QStringLiteral("Data");
        values << m_pendingData;
    }
    QString statement;
    if (m_pending == Pending::Add) {
        // Both engines give the new Id back with the insert itself.
        statement = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3) RETURNING Id")
                        .arg(m_table, columns.join(QStringLiteral(", ")),
                             QStringList(columns.size(), QStringLiteral("?")).join(QStringLiteral(", ")));
    } else {
        statement =
            QStringLiteral("UPDATE %1 SET %2 = ? WHERE Id = ?").arg(m_table, columns.join(QStringLiteral(" = ?, ")));
        values << id();
    }
    m_db.beginTransaction();
    QSqlQuery query(m_db.connection());
    query.prepare(statement);
    for (const QVariant& value : values)
        query.addBindValue(value);
    if (!query.exec() || (m_pending == Pending::Add && !query.next())) {
        const QSqlError error = query.lastError();
        m_db.rollback();
        m_db.failWithEngineError(m_table, error);
    }
    const RowId rowId = m_pending == Pending::Add ? query.value(0).toLongLong() : id();
    query.finish();
    m_db.commit();

    QVariantList row{rowId};
    row.append(m_pendingValues);
    if (m_pending == Pending::Add) {
        m_rows.push_back(row);
        m_position = recordCount() - 1;
    } else {
        m_rows[static_cast<std::size_t>(m_position)] = row;
    }
    m_pending = Pending::None;
    return rowId;
}

void TableCursor::remove() {
    const RowId rowId = id();
    m_db.beginTransaction();
    QSqlQuery query(m_db.connection());
    query.prepare(QStringLiteral("DELETE FROM %1 WHERE Id = ?").arg(m_table));
    query.addBindValue(rowId);
    if (!query.exec()) {
        const QSqlError error = query.lastError();
        m_db.rollback();
        m_db.failWithEngineError(m_table, error);
    }
    query.finish();
    m_db.commit();
    m_rows.erase(m_rows.begin() + m_position);
}

} // namespace orvik
