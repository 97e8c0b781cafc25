#pragma once

#include "database/StoredMeasurementsBrowser.h"

#include <QWidget>
#include <initializer_list>

class QPushButton;
class QTreeView;

namespace orvik {

class BrowserRowModel;

// A result list column: its heading and width in pixels (0: the rest of the list).
struct ResultColumn {
    const char* heading;
    int width;
};

// A search field: its label, what it takes and, for text, how long a text can be.
struct SearchField {
    enum Kind { Text, Date, Channel };
    const char* label;
    Kind kind;
    int maxLength = 0;
};

// What both pages of the "Stored Measurements" sheet share: search fields above, "Update List", and the result
// list whose lines keep the stored rows' Ids.
class StoredSearchPage : public QWidget {
    Q_OBJECT
public:
    // The Id of the selected line, or -1 when nothing is selected.
    RowId selectedId() const;
    QTreeView* resultList() const { return m_list; }
    // Builds the filter from the fields as they stand and lists what it finds.
    void updateList();

Q_SIGNALS:
    // A line was double-clicked: the technician wants it retrieved.
    void retrieveRequested();

protected:
    // The fields are built in screen order, before "Update List" and the list, so Tab reads them top down.
    StoredSearchPage(StoredMeasurementsBrowser& browser, std::initializer_list<SearchField> fields,
                     std::initializer_list<ResultColumn> columns, QWidget* parent);

    StoredMeasurementsBrowser& browser() const { return m_browser; }

    QString fieldText(int field) const;
    // The position chosen in a list field.
    int fieldChoice(int field) const;
    virtual BrowserRows search() = 0;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* createField(const SearchField& field);

    StoredMeasurementsBrowser& m_browser;
    std::vector<QWidget*> m_fields;
    QPushButton* m_update;
    QTreeView* m_list;
    BrowserRowModel* m_rows;
};

} // namespace orvik
