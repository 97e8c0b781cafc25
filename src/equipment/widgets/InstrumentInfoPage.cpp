#include "equipment/widgets/InstrumentInfoPage.h"

#include "equipment/InstrumentationEditor.h"
#include "model/FixedText.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvik {

namespace {
const QStringList Months = {QStringLiteral("Jan"), QStringLiteral("Feb"), QStringLiteral("Mar"), QStringLiteral("Apr"),
                            QStringLiteral("May"), QStringLiteral("Jun"), QStringLiteral("Jul"), QStringLiteral("Aug"),
                            QStringLiteral("Sep"), QStringLiteral("Oct"), QStringLiteral("Nov"), QStringLiteral("Dec")};

// A value with its unit beside it, so the technician enters it in the unit the data sheet gives.
QHBoxLayout* withUnit(QLineEdit* field, const QString& unit, QWidget* parent) {
    auto* row = new QHBoxLayout;
    row->addWidget(field);
    row->addWidget(new QLabel(unit, parent));
    row->addStretch();
    return row;
}

QString numberOrEmpty(const QString& text) {
    const int n = text.toInt();
    return n > 0 ? QString::number(n) : QString();
}
} // namespace

const QStringList& InstrumentInfoPage::mastoidManufacturers() {
    static const QStringList names = {QStringLiteral("Veltan Quirn"), QStringLiteral("Bruel and Kjaer")};
    return names;
}

InstrumentInfoPage::InstrumentInfoPage(InstrumentKind kind, const QString& title, QWidget* parent)
    : InstrumentPage(title, 0, parent), m_kind(kind) {
    // Fields are made in screen order: that order is the Tab order.
    if (kind == InstrumentKind::Mastoid)
        m_manufacturerChoice = new QComboBox(this);
    else
        m_manufacturer = addValueField(25);
    m_model = addValueField(15);
    m_serial = addValueField(12);
    m_year = addValueField(4);
    m_month = new QComboBox(this);
    m_day = addValueField(2);
    m_model->setObjectName(QStringLiteral("model"));
    m_serial->setObjectName(QStringLiteral("serialNumber"));
    m_year->setObjectName(QStringLiteral("dueYear"));
    m_month->setObjectName(QStringLiteral("dueMonth"));
    m_day->setObjectName(QStringLiteral("dueDay"));
    // The calibrator's page has always spelled these two with capitals.
    const bool calibrator = kind == InstrumentKind::Calibrator;
    auto* form = new QFormLayout;
    if (m_manufacturerChoice) {
        m_manufacturerChoice->addItems(mastoidManufacturers());
        connect(m_manufacturerChoice, &QComboBox::activated, this,
                [this] { Q_EMIT manufacturerChosen(m_manufacturerChoice->currentText()); });
        form->addRow(QStringLiteral("Manufacturer:"), m_manufacturerChoice);
    } else {
        form->addRow(QStringLiteral("Manufacturer:"), m_manufacturer);
    }
    form->addRow(QStringLiteral("Model:"), m_model);
    form->addRow(calibrator ? QStringLiteral("Serial Number:") : QStringLiteral("Serial number:"), m_serial);

    m_month->addItems(Months);
    connect(m_month, &QComboBox::activated, this, &InstrumentInfoPage::markEdited);
    auto* due = new QHBoxLayout;
    due->addWidget(m_year);
    due->addWidget(m_month);
    due->addWidget(m_day);
    due->addStretch();
    m_year->setMaximumWidth(60);
    m_day->setMaximumWidth(40);
    m_year->setPlaceholderText(QStringLiteral("yyyy"));
    m_day->setPlaceholderText(QStringLiteral("dd"));
    due->insertWidget(due->count() - 1, new QLabel(QStringLiteral("(year, month, day)"), this));
    form->addRow(calibrator ? QStringLiteral("Calibration Due:") : QStringLiteral("Calibration due:"), due);

    if (calibrator) {
        m_value1 = addValueField();
        m_value2 = addValueField();
        m_value1->setObjectName(QStringLiteral("frequency"));
        m_value2->setObjectName(QStringLiteral("outputLevel"));
        form->addRow(QStringLiteral("Frequency:"), withUnit(m_value1, QStringLiteral("Hz"), this));
        form->addRow(QStringLiteral("Output Level:"), withUnit(m_value2, QStringLiteral("dB"), this));
    } else if (kind == InstrumentKind::Microphone || kind == InstrumentKind::Mastoid) {
        m_value1 = addValueField();
        m_value1->setObjectName(QStringLiteral("sensitivity"));
        form->addRow(QStringLiteral("Sensitivity:"),
                     withUnit(m_value1,
                              kind == InstrumentKind::Microphone ? QStringLiteral("mV/Pa") : QStringLiteral("mV/N"),
                              this));
    }
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    QWidget* const identity[] = {m_manufacturer, m_manufacturerChoice, m_model, m_serial};
    for (QWidget* field : identity) {
        if (field)
            field->setMinimumWidth(240);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    if (kind == InstrumentKind::Microphone || kind == InstrumentKind::Mastoid)
        m_import = addImportButton(layout);
    layout->addStretch();
}

void InstrumentInfoPage::load(const InstrumentEntry& entry) {
    if (m_manufacturer)
        m_manufacturer->setText(entry.manufacturer());
    else
        showMastoidManufacturer(entry.manufacturer());
    m_model->setText(entry.model());
    m_serial->setText(entry.serialNumber());
    const QStringList date = entry.dueDate().split(u'-');
    m_year->setText(numberOrEmpty(date.value(0)));
    m_month->setCurrentIndex(date.value(1).toInt() - 1); // -1: no month
    m_day->setText(numberOrEmpty(date.value(2)));
    switch (m_kind) {
    case InstrumentKind::Calibrator:
        showValue(m_value1, entry.values.calibrator.frequency, 1);
        showValue(m_value2, entry.values.calibrator.level, 1);
        break;
    case InstrumentKind::Microphone:
        showValue(m_value1, entry.values.microphone.sensitivity, 2);
        break;
    case InstrumentKind::Mastoid:
        showValue(m_value1, entry.values.mastoid.sensitivity, 2);
        break;
    case InstrumentKind::SoundLevelMeter:
    case InstrumentKind::Preamp:
        break;
    }
}

void InstrumentInfoPage::showMastoidManufacturer(const QString& manufacturer) {
    const bool single = InstrumentationEditor::isSingleSetMastoid(manufacturer);
    m_manufacturerChoice->setCurrentIndex(single ? 1 : 0);
    m_value1->setEnabled(single);
    m_import->setVisible(!single);
}

void InstrumentInfoPage::store(InstrumentEntry& entry) const {
    const QString manufacturer = m_manufacturer ? m_manufacturer->text() : m_manufacturerChoice->currentText();
    setFixedText(entry.identity.manufacturer, manufacturer);
    setFixedText(entry.identity.model, m_kind == InstrumentKind::Mastoid ? m_model->text().toUpper() : m_model->text());
    setFixedText(entry.identity.serialNumber, m_serial->text());
    const bool noDate = m_year->text().isEmpty() && m_month->currentIndex() < 0 && m_day->text().isEmpty();
    setFixedText(entry.identity.dueDate,
                 noDate ? QString()
                        : formatDueDate(m_year->text().toInt(), m_month->currentIndex() + 1, m_day->text().toInt()));
    switch (m_kind) {
    case InstrumentKind::Calibrator:
        entry.values.calibrator.frequency = valueOf(m_value1);
        entry.values.calibrator.level = valueOf(m_value2);
        break;
    case InstrumentKind::Microphone:
        entry.values.microphone.sensitivity = valueOf(m_value1);
        break;
    case InstrumentKind::Mastoid:
        entry.values.mastoid.sensitivity = valueOf(m_value1);
        break;
    case InstrumentKind::SoundLevelMeter:
    case InstrumentKind::Preamp:
        break;
    }
}

} // namespace orvik
