#pragma once

#include "equipment/InstrumentEntry.h"

#include <QWidget>

class QBoxLayout;
class QLineEdit;
class QPushButton;

namespace orvik {

// A page of the instrumentation sheet: shows its part of the pages' entry and writes its fields back into
// it. Every edit marks the page modified and says so; loading leaves the flag to the sheet.
class InstrumentPage : public QWidget {
    Q_OBJECT
public:
    InstrumentPage(const QString& title, int responseSet, QWidget* parent);

    const QString& title() const { return m_title; }
    // The mastoid response set the page shows (1..3); 0 for pages without one.
    int responseSet() const { return m_responseSet; }
    bool isModified() const { return m_modified; }
    void resetModified() { m_modified = false; }

    virtual void load(const InstrumentEntry& entry) = 0;
    virtual void store(InstrumentEntry& entry) const = 0;

Q_SIGNALS:
    void edited();
    void importRequested(int responseSet);

protected:
    void markEdited();
    // A value field that reports edits.
    QLineEdit* addValueField(int maxLength = 0);
    // "Import Data", asking the sheet for an import into this page's response set.
    QPushButton* addImportButton(QBoxLayout* layout);

private:
    QString m_title;
    int m_responseSet;
    bool m_modified = false;
};

// A value as its field shows it ("%.1f", "%.2f"). NaN is what a field's unreadable text was stored as: the field
// keeps that text, so that the technician sees and corrects it.
void showValue(QLineEdit* field, float value, int decimals);
// A field's value: empty reads as 0, text that is no number as NaN, which Add and Update refuse by its name.
float valueOf(const QLineEdit* field);

} // namespace orvik
