#pragma once

#include "database/RowId.h"

#include <QHash>
#include <QStringList>
#include <QVariant>
#include <vector>

namespace orvik {

// How a stored column reads in a result list.
enum class BrowserCell { Text, Channel, Date };

// The lines of a result list. A line's texts are made from its stored columns only when they are asked for: the
// first fill lists every stored test, tens of thousands of them, and a view shows a few dozen at a time.
class BrowserRows {
public:
    BrowserRows() = default;
    // Each row holds its Id and then one value per cell kind; lines keep the rows' order.
    BrowserRows(std::vector<QVariantList> rows, std::vector<BrowserCell> cells);

    std::size_t size() const { return m_rows.size(); }
    bool empty() const { return m_rows.empty(); }
    int columnCount() const { return static_cast<int>(m_cells.size()); }

    // -1 and empty texts outside the list.
    RowId id(std::size_t line) const;
    QString cell(std::size_t line, int column) const;
    QStringList cells(std::size_t line) const;

private:
    QString dateText(const QVariant& value) const;

    std::vector<QVariantList> m_rows;
    std::vector<BrowserCell> m_cells;
    mutable QHash<qint64, QString> m_days; // thousands of rows share a few thousand days
};

} // namespace orvik
