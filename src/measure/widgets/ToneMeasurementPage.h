#pragma once

#include <QWidget>

class QTableWidget;

namespace orvik {

class ToneMeasurement;

// One hearing-level/frequency/FM/narrow-band tab: the page's result rows with every column, each judged row
// marked PASS or FAIL in its header and drawn green or red, rows without a reference level in grey. The page
// formats every cell (failing values in parentheses); the table only shows.
class ToneMeasurementPage final : public QWidget {
    Q_OBJECT
public:
    ToneMeasurementPage(ToneMeasurement& page, QWidget* parent = nullptr);

    QTableWidget* table() const { return m_table; }
    // The list rows the technician has selected, in list order.
    QList<int> selectedRows() const;
    // Shows the page's current list.
    void refill();

private:
    ToneMeasurement& m_page;
    QTableWidget* m_table;
};

} // namespace orvik
