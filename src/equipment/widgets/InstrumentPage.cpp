#include "equipment/widgets/InstrumentPage.h"

#include "equipment/InstrumentValueText.h"

#include <QBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>
#include <limits>

namespace orvik {

InstrumentPage::InstrumentPage(const QString& title, int responseSet, QWidget* parent)
    : QWidget(parent), m_title(title), m_responseSet(responseSet) {}

void InstrumentPage::markEdited() {
    m_modified = true;
    Q_EMIT edited();
}

QLineEdit* InstrumentPage::addValueField(int maxLength) {
    auto* field = new QLineEdit(this);
    if (maxLength > 0)
        field->setMaxLength(maxLength);
    // textEdited: only the technician's typing, not the page's own loading.
    connect(field, &QLineEdit::textEdited, this, &InstrumentPage::markEdited);
    return field;
}

QPushButton* InstrumentPage::addImportButton(QBoxLayout* layout) {
    auto* button = new QPushButton(QStringLiteral("&Import Data"), this);
    button->setObjectName(QStringLiteral("importData"));
    connect(button, &QPushButton::clicked, this, [this] { Q_EMIT importRequested(m_responseSet); });
    layout->addWidget(button, 0, Qt::AlignLeft);
    return button;
}

void showValue(QLineEdit* field, float value, int decimals) {
    if (!std::isnan(value))
        field->setText(QString::asprintf("%.*f", decimals, static_cast<double>(value)));
}

float valueOf(const QLineEdit* field) {
    if (field->text().trimmed().isEmpty())
        return 0.0f;
    return parseInstrumentValue(field->text()).value_or(std::numeric_limits<float>::quiet_NaN());
}

} // namespace orvik
