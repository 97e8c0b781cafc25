#include "database/widgets/BrowserRowModel.h"

namespace orvik {

BrowserRowModel::BrowserRowModel(QStringList headings, QObject* parent)
    : QAbstractTableModel(parent), m_headings(std::move(headings)) {}

void BrowserRowModel::setRows(BrowserRows rows) {
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

RowId BrowserRowModel::idAt(int line) const { return line < 0 ? -1 : m_rows.id(static_cast<std::size_t>(line)); }

int BrowserRowModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int BrowserRowModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_headings.size());
}

QVariant BrowserRowModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount())
        return {};
    return m_rows.cell(static_cast<std::size_t>(index.row()), index.column());
}

QVariant BrowserRowModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 || section >= m_headings.size())
        return {};
    return m_headings[section];
}

} // namespace orvik
