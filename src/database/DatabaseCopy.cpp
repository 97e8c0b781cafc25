#include "database/DatabaseCopy.h"

#include <QSqlError>
#include <QSqlQuery>

namespace orvik {

namespace {
struct CopiedTable {
    const QString& name;
    const QStringList& columns;
};

const QStringList NoColumns;

// The equipment lists first: a target with tests but no instruments would be a poorer database than its source.
const CopiedTable CopiedTables[] = {
    {Table::EquipmentList, NoColumns},
    {Table::AmbientMeasurements, TableColumns::AmbientMeasurements},
    {Table::AudTestMeasurements, TableColumns::AudTestMeasurements},
};

QString columnList(const QStringList& columns) {
    QStringList all{QStringLiteral("Id")};
    all << columns << QStringLiteral("Data");
    return all.join(QStringLiteral(", "));
}

// Every row in Id order, one at a time: a lab's 2 GB of blocks never sit in memory together.
QSqlQuery readAll(Database& database, const QString& table, const QStringList& columns) {
    QSqlQuery query(database.connection());
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT %1 FROM %2 ORDER BY Id").arg(columnList(columns), table)))
        database.failWithEngineError(table, query.lastError());
    return query;
}

// The engines give the same stored value back in different types (a day number as a double from both, a
// channel as an integer or a long): compare what they mean.
bool sameValue(const QVariant& a, const QVariant& b) {
    if (a.isNull() || b.isNull())
        return a.isNull() == b.isNull();
    if (a.typeId() == QMetaType::QByteArray || b.typeId() == QMetaType::QByteArray)
        return a.toByteArray() == b.toByteArray();
    if (a.typeId() == QMetaType::QString || b.typeId() == QMetaType::QString)
        return a.toString() == b.toString();
    return a.toDouble() == b.toDouble();
}
} // namespace

std::vector<DatabaseCopy::TableCount> DatabaseCopy::copy(Database& source, Database& target) {
    std::vector<TableCount> counts;
    target.beginTransaction();
    try {
        for (const CopiedTable& table : CopiedTables)
            counts.push_back({table.name, copyTable(source, target, table.name, table.columns)});
        target.commit();
    } catch (const DatabaseError&) {
        target.rollback();
        throw;
    }
    for (const CopiedTable& table : CopiedTables)
        verifyTable(source, target, table.name, table.columns);
    return counts;
}

qint64 DatabaseCopy::copyTable(Database& source, Database& target, const QString& table, const QStringList& columns) {
    QSqlQuery rows = readAll(source, table, columns);
    const int width = static_cast<int>(columns.size()) + 2;
    QSqlQuery insert(target.connection());
    if (!insert.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                            .arg(table, columnList(columns),
                                 QStringList(width, QStringLiteral("?")).join(QStringLiteral(", ")))))
        target.failWithEngineError(table, insert.lastError());
    qint64 copied = 0;
    while (rows.next()) {
        for (int i = 0; i < width; ++i)
            insert.bindValue(i, rows.value(i));
        if (!insert.exec())
            target.failWithEngineError(table, insert.lastError());
        ++copied;
    }
    if (rows.lastError().isValid())
        source.failWithEngineError(table, rows.lastError());
    target.continueIdsAfterCopy(table);
    return copied;
}

void DatabaseCopy::verifyTable(Database& source, Database& target, const QString& table, const QStringList& columns) {
    QSqlQuery original = readAll(source, table, columns);
    QSqlQuery copied = readAll(target, table, columns);
    const int width = static_cast<int>(columns.size()) + 2;
    for (;;) {
        const bool more = original.next();
        if (more != copied.next())
            target.fail(DatabaseErrorCode::General,
                        QStringLiteral("%1: the copy holds a different number of rows than the original.").arg(table));
        if (!more)
            return;
        for (int i = 0; i < width; ++i) {
            if (!sameValue(original.value(i), copied.value(i)))
                target.fail(DatabaseErrorCode::General,
                            QStringLiteral("%1: the row with Id %2 differs from the original after the copy.")
                                .arg(table, original.value(0).toString()));
        }
    }
}

} // namespace orvik
