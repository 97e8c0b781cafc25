#pragma once

#include "ambient/AmbientRecord.h"

#include <QWidget>

class QDateEdit;
class QFormLayout;
class QLineEdit;

namespace orvik {

// "Test Information": who and where the booth is, the test name and the measurement date.
class AmbientLocationPage final : public QWidget {
    Q_OBJECT
public:
    explicit AmbientLocationPage(QWidget* parent = nullptr);

    void load(const AmbientRecord& record);
    void store(AmbientRecord& record) const;
    bool modified() const { return m_modified; }
    void focusTestName();

private:
    QLineEdit* addText(QFormLayout* form, const QString& label);

    QLineEdit* m_testName;
    QLineEdit* m_booth;
    QLineEdit* m_customer;
    QLineEdit* m_location1;
    QLineEdit* m_location2;
    QDateEdit* m_date;
    bool m_modified = false;
};

} // namespace orvik
