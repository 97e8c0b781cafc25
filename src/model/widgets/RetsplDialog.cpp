#include "model/widgets/RetsplDialog.h"

#include "model/FrequencyTable.h"

#include <QDoubleValidator>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvik {

namespace {
// Five frequencies a row keeps all 39 fields on a laptop screen and lets Tab run up the frequencies.
constexpr int FieldsPerRow = 5;

const QString LevelFiles = QStringLiteral("Comma-Separated (*.csv)|*.csv|All Files (*.*)|*.*||");

QString hzLabel(FreqIndex index) {
    return QStringLiteral("%1 Hz").arg(static_cast<double>(frequencyHz(index)));
}
} // namespace

RetsplDialog::RetsplDialog(EarphoneBlock& slot, bool alternateMode, ChooseFile chooseFile, QWidget* parent)
    : QDialog(parent), m_slot(slot), m_editor(slot, alternateMode), m_chooseFile(std::move(chooseFile)) {
    setWindowTitle(QStringLiteral("Reference Equivalent Threshold Sound Pressure Levels (RETSPL)"));

    auto* note = new QLabel(QStringLiteral("Enter your own Reference Equivalent Threshold Sound Pressure Levels.  You "
                                           "only need to provide values for frequencies for which your audiometer "
                                           "will be tested."),
                            this);
    note->setWordWrap(true);
    auto* high = new QGroupBox(QStringLiteral("High Frequency"), this);
    auto* highLayout = new QVBoxLayout(high);
    QWidget* lowGrid = fieldGrid(0, LastLowFrequency);
    highLayout->addWidget(fieldGrid(FirstHighFrequency, FrequencyCount - 1));

    auto* commands = new QHBoxLayout;
    commands->addWidget(addButton(QStringLiteral("Save RETSPL"), &RetsplDialog::accept));
    commands->addWidget(addButton(QStringLiteral("Reset to Defaults"), &RetsplDialog::resetToDefaults));
    commands->addWidget(addButton(QStringLiteral("Export"), &RetsplDialog::exportFile));
    commands->addWidget(addButton(QStringLiteral("Import"), &RetsplDialog::importFile));
    commands->addStretch();
    QPushButton* ok = addButton(QStringLiteral("OK"), &RetsplDialog::accept);
    ok->setDefault(true);
    commands->addWidget(ok);
    commands->addWidget(addButton(QStringLiteral("Cancel"), &RetsplDialog::reject));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note);
    layout->addWidget(lowGrid);
    layout->addWidget(high);
    layout->addLayout(commands);
    showFields();
}

QWidget* RetsplDialog::fieldGrid(FreqIndex first, FreqIndex last) {
    auto* grid = new QWidget(this);
    auto* layout = new QGridLayout(grid);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* validator = new QDoubleValidator(-999.0, 999.0, 2, this);
    validator->setLocale(QLocale::c()); // the file and the logic read a decimal point whatever the desktop's locale
    for (FreqIndex index = first; index <= last; ++index) {
        auto* field = new QLineEdit(grid);
        field->setValidator(validator);
        field->setMaxLength(8);
        field->setFixedWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("-000.00")) + 12);
        field->setAlignment(Qt::AlignRight);
        m_fields[static_cast<std::size_t>(index)] = field;
        connect(field, &QLineEdit::textEdited, this,
                [this, index](const QString& text) { m_editor.setFieldText(index, text); });
        const int cell = index - first;
        auto* label = new QLabel(hzLabel(index), grid);
        label->setBuddy(field);
        layout->addWidget(label, cell / FieldsPerRow, 2 * (cell % FieldsPerRow), Qt::AlignRight);
        layout->addWidget(field, cell / FieldsPerRow, 2 * (cell % FieldsPerRow) + 1);
    }
    return grid;
}

QPushButton* RetsplDialog::addButton(const QString& text, void (RetsplDialog::*handler)()) {
    auto* button = new QPushButton(text, this);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, handler);
    m_buttons.append(button);
    return button;
}

QPushButton* RetsplDialog::button(const QString& text) const {
    for (QPushButton* button : m_buttons)
        if (button->text() == text)
            return button;
    return nullptr;
}

void RetsplDialog::showFields() {
    for (FreqIndex index = 0; index < FrequencyCount; ++index)
        field(index)->setText(RetsplEditor::fieldText(m_editor.fields()[static_cast<std::size_t>(index)]));
}

void RetsplDialog::accept() {
    m_editor.save(m_slot);
    QDialog::accept();
}

void RetsplDialog::resetToDefaults() {
    m_editor.resetToDefaults();
    showFields();
}

void RetsplDialog::exportFile() {
    const QString path = m_chooseFile({FileRequest::Write, QStringLiteral("Export RETSPL"), LevelFiles,
                                       QStringLiteral("csv"), m_editor.proposedFileName()});
    // A file that cannot be written leaves nothing to do: the fields stay as they are for another try.
    if (!path.isEmpty())
        m_editor.exportTo(path);
}

void RetsplDialog::importFile() {
    const QString path = m_chooseFile({FileRequest::Read, QStringLiteral("Import RETSPL"), LevelFiles,
                                       QStringLiteral("csv"), m_editor.proposedFileName()});
    if (!path.isEmpty() && m_editor.importFrom(path))
        showFields();
}

} // namespace orvik
