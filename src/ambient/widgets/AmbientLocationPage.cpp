#include "ambient/widgets/AmbientLocationPage.h"

#include "model/FixedText.h"

#include <QDateEdit>
#include <QFormLayout>
#include <QLineEdit>

namespace orvik {

namespace {
constexpr int TextLength = 40;
} // namespace

AmbientLocationPage::AmbientLocationPage(QWidget* parent) : QWidget(parent) {
    auto* form = new QFormLayout(this);
    m_testName = addText(form, QStringLiteral("Test Name:"));
    m_booth = addText(form, QStringLiteral("Booth:"));
    m_customer = addText(form, QStringLiteral("Customer Name:"));
    m_location1 = addText(form, QStringLiteral("Location:"));
    m_location2 = addText(form, QStringLiteral("Location:"));
    m_date = new QDateEdit(this);
    m_date->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    m_date->setCalendarPopup(true);
    form->addRow(QStringLiteral("Measurement Date:"), m_date);
    connect(m_date, &QDateEdit::dateChanged, this, [this] { m_modified = true; });
}

QLineEdit* AmbientLocationPage::addText(QFormLayout* form, const QString& label) {
    auto* edit = new QLineEdit(this);
    edit->setMaxLength(TextLength);
    form->addRow(label, edit);
    connect(edit, &QLineEdit::textEdited, this, [this] { m_modified = true; });
    return edit;
}

void AmbientLocationPage::load(const AmbientRecord& record) {
    m_testName->setText(fixedText(record.testName));
    m_booth->setText(fixedText(record.booth));
    m_customer->setText(fixedText(record.customerName));
    m_location1->setText(fixedText(record.location1));
    m_location2->setText(fixedText(record.location2));
    // A new test is measured today; the technician changes the date only to enter an older one.
    const QDate date = QDate::fromString(fixedText(record.measurementDate), Qt::ISODate);
    const QSignalBlocker quiet(m_date);
    m_date->setDate(date.isValid() ? date : QDate::currentDate());
    m_modified = false;
}

void AmbientLocationPage::store(AmbientRecord& record) const {
    setFixedText(record.testName, m_testName->text());
    setFixedText(record.booth, m_booth->text());
    setFixedText(record.customerName, m_customer->text());
    setFixedText(record.location1, m_location1->text());
    setFixedText(record.location2, m_location2->text());
    setFixedText(record.measurementDate, m_date->date().toString(Qt::ISODate));
}

void AmbientLocationPage::focusTestName() {
    m_testName->setFocus();
}

} // namespace orvik
