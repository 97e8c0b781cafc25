#pragma once

#include "shell/ViewContext.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;

namespace orvik {

// The measurement summary: which audiometer, when, by whom, and how each test went per transducer.
class SummaryView final : public QWidget {
    Q_OBJECT
public:
    explicit SummaryView(ViewContext& context, QWidget* parent = nullptr);

    // Writes the date and technician fields into the record. A date that is not in the calendar is refused
    // and the fields show the record's date again, so the view never shows a date other than the one saved.
    bool storeFields();
    void done();
    void cancel();

    QLineEdit* yearField() const { return m_year; }
    QComboBox* monthField() const { return m_month; }
    QLineEdit* dayField() const { return m_day; }
    QComboBox* technicianField() const { return m_technician; }
    QTableWidget* list() const { return m_list; }

private:
    void showDate(const QString& stored);
    void fillList();
    void goToMeasurement();

    ViewContext& m_context;
    QLabel* m_audiometer;
    QLineEdit* m_year;
    QComboBox* m_month;
    QLineEdit* m_day;
    QComboBox* m_technician;
    QTableWidget* m_list;
};

} // namespace orvik
