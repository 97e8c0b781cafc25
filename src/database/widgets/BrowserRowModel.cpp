#include "database/widgets/BrowserRowModel.h"

namespace orvik {

BrowserRowModel::BrowserRowModel(QStringList headings, QObject* parent)
    : QAbstractTableModel(parent), m_headings(std::move(headings)) {}

void BrowserRowModel::setRows(std::vector<BrowserRow> rows) {
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

RowId BrowserRowModel::idAt(int line) const {
    if (line < 0 || static_cast<std::size_t>(line) >= m_rows.size())
        return -1;
    return m_rows[static_cast<std::size_t>(line)].id;
}

int BrowserRowModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int BrowserRowModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_headings.size());
}

QVariant BrowserRowModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount())
        return {};
    const QStringList& cells = m_rows[static_cast<std::size_t>(index.row())].cells;
    return index.column() < cells.size() ? cells[index.column()] : QString();
}

QVariant BrowserRowModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 || section >= m_headings.size())
        return {};
    return m_headings[section];
}

} // namespace orvik
