#include "measure/widgets/ToneMeasurementPage.h"

#include "measure/ToneMeasurement.h"

#include <QColor>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace orvik {

namespace {
const QColor MissingReferenceGrey(150, 150, 150);
const QColor PassGreen(0, 120, 0);
const QColor FailRed(190, 0, 0);

// The verdict of a judged row stands in the row's header, so the list's own columns stay as they are.
QTableWidgetItem* verdictMarker(RowVerdict verdict) {
    switch (verdict) {
    case RowVerdict::Pass: {
        auto* marker = new QTableWidgetItem(QStringLiteral("PASS"));
        marker->setForeground(PassGreen);
        return marker;
    }
    case RowVerdict::Fail: {
        auto* marker = new QTableWidgetItem(QStringLiteral("FAIL"));
        marker->setForeground(FailRed);
        return marker;
    }
    case RowVerdict::NotJudged:
        break;
    }
    return new QTableWidgetItem(QString());
}

// An invalid colour leaves the row in the palette's text colour.
QColor rowColour(const ResultRow& row) {
    if (row.greyed)
        return MissingReferenceGrey;
    switch (row.verdict) {
    case RowVerdict::Pass:
        return PassGreen;
    case RowVerdict::Fail:
        return FailRed;
    case RowVerdict::NotJudged:
        break;
    }
    return {};
}
} // namespace

ToneMeasurementPage::ToneMeasurementPage(ToneMeasurement& page, QWidget* parent)
    : QWidget(parent), m_page(page), m_table(new QTableWidget(this)) {
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_table);
    if (m_page.appliedCorrectionsAvailable()) {
        auto* corrections = new QPushButton(QStringLiteral("Applied Corrections"), this);
        corrections->setCheckable(true);
        connect(corrections, &QPushButton::toggled, this, [this] {
            m_page.toggleAppliedCorrections();
            refill();
        });
        layout->addWidget(corrections, 0, Qt::AlignLeft);
    }
    refill();
}

QList<int> ToneMeasurementPage::selectedRows() const {
    QList<int> rows;
    for (const QModelIndex& index : m_table->selectionModel()->selectedRows())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

void ToneMeasurementPage::refill() {
    const ResultList& list = m_page.list();
    m_table->clear();
    m_table->setColumnCount(int(list.columns.size()));
    m_table->setHorizontalHeaderLabels(list.columns);
    m_table->setRowCount(int(list.rows.size()));
    for (int r = 0; r < list.rows.size(); ++r) {
        const ResultRow& row = list.rows[r];
        m_table->setVerticalHeaderItem(r, verdictMarker(row.verdict));
        const QColor colour = rowColour(row);
        for (int c = 0; c < row.cells.size() && c < list.columns.size(); ++c) {
            auto* item = new QTableWidgetItem(row.cells[c]);
            if (colour.isValid())
                item->setForeground(colour);
            m_table->setItem(r, c, item);
        }
    }
    m_table->resizeColumnsToContents();
    if (m_page.measuringIndex() >= 0) {
        for (int r = 0; r < list.rows.size(); ++r)
            if (list.rows[r].frequency == m_page.measuringIndex())
                m_table->scrollToItem(m_table->item(r, 0));
    }
}

} // namespace orvik
