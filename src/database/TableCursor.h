#pragma once

#include "database/Database.h"
#include "database/RowId.h"
#include "database/SearchFilter.h"

#include <QByteArray>
#include <QStringList>
#include <QVariant>
#include <vector>

namespace orvik {

// Table mode lists the whole table in the order of its "IdIndex"; a dynaset takes a filter.
enum class OpenType { Table, Dynaset };

// The rows of one table that match a filter: their Id and plain columns are read at the first look at them
// (open only checks the statement), the large `Data` block only when asked for, so holding a recordset on
// years of tests costs nothing and a search stays quick. Changes go through
// addNew()/edit() … update(), each update one transaction.
class TableCursor {
public:
    TableCursor(Database& database, QString table, QStringList columns);

    // Throws ItemNotFound when the table does not exist, NotSupported for a filter in table mode.
    void open(OpenType type, const SearchFilter& filter = {});
    void requery();
    void close();
    bool isOpen() const { return m_open; }

    int recordCount() const {
        load();
        return static_cast<int>(m_rows.size());
    }
    bool isEOF() const { return m_position >= recordCount(); }
    void moveFirst() { m_position = 0; }
    void moveNext() { ++m_position; }

    RowId id() const;
    QVariant value(const QString& column) const;
    QVariant value(int columnIndex) const; // by position in the column list given at construction
    QByteArray data() const;               // the current row's block; empty when it has none
    // Every row in Id order, each its Id and then the columns: for a caller that lists them all at once.
    const std::vector<QVariantList>& rows() const {
        load();
        return m_rows;
    }

    void addNew();
    void edit();
    void setValue(const QString& column, const QVariant& value);
    void setData(const QByteArray& block);
    // Writes the pending row in one transaction; returns its Id.
    RowId update();
    void remove(); // the current row

private:
    void requireCurrent() const;
    QString selectStatement() const;
    void load() const;

    Database& m_db;
    QString m_table;
    QStringList m_columns;
    SearchFilter m_filter;
    bool m_open = false;
    mutable bool m_loaded = false;
    mutable std::vector<QVariantList> m_rows; // Id, then m_columns
    int m_position = 0;

    enum class Pending { None, Add, Edit } m_pending = Pending::None;
    QVariantList m_pendingValues;
    QByteArray m_pendingData;
    bool m_pendingHasData = false;
};

} // namespace orvik
