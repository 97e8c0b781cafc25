#pragma once

#include "database/StoredMeasurementsBrowser.h"

#include <QAbstractTableModel>

namespace orvik {

// A result list's lines as a table model, so tens of thousands of stored tests list without a widget per cell.
class BrowserRowModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit BrowserRowModel(QStringList headings, QObject* parent = nullptr);

    void setRows(BrowserRows rows);
    // The stored row's Id of a line; -1 outside the list.
    RowId idAt(int line) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QStringList m_headings;
    BrowserRows m_rows;
};

} // namespace orvik
