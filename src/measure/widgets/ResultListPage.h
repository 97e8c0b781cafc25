#pragma once

#include "measure/TestCatalogue.h"

#include <QWidget>

class QTableWidget;
class QVBoxLayout;

namespace orvik {

class Measurement;

// One measuring tab: the page's result rows with every column, each judged row marked PASS or FAIL in its header
// and drawn green or red, rows without a reference level in grey. The page formats every cell (failing values in
// parentheses); the table only shows. Every kind of page uses it; a kind's own inputs go below the table.
class ResultListPage final : public QWidget {
    Q_OBJECT
public:
    ResultListPage(Measurement& page, QWidget* parent = nullptr);

    QTableWidget* table() const { return m_table; }
    // The list rows the technician has selected, in list order.
    QList<int> selectedRows() const;
    // Shows the page's current list.
    void refill();
    // Adds a page's own control below the list.
    void addControl(QWidget* control);

private:
    Measurement& m_page;
    QTableWidget* m_table;
    QVBoxLayout* m_layout;
};

// The tab of a measuring page, with the controls its kind adds.
ResultListPage* makePageView(PageKind kind, Measurement& page, QWidget* parent);

} // namespace orvik
