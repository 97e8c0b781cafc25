#include "measure/widgets/DialLevelsPage.h"

#include "measure/DialLevelEditor.h"
#include "measure/ListNumber.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace orvik {

namespace {
constexpr int FieldsPerColumn = 13;

QSpinBox* dialField() {
    auto* field = new QSpinBox;
    field->setRange(DialLevelEditor::LowestLevel, DialLevelEditor::HighestLevel);
    field->setSuffix(QStringLiteral(" dB HL"));
    return field;
}
} // namespace

DialLevelsPage::DialLevelsPage(DialLevelEditor& editor, QWidget* parent) : QWidget(parent), m_editor(editor) {
    const bool bone = editor.range() == DialLevelRange::Bone;
    auto* layout = new QVBoxLayout(this);
    // The fields scroll, so that the sheet keeps its size with the 25 low-frequency dials in it.
    auto* fields = new QWidget;
    auto* grid = new QGridLayout(fields);
    const QList<FreqIndex> frequencies = editor.frequencies();
    for (int n = 0; n < frequencies.size(); ++n) {
        const FreqIndex i = frequencies[n];
        auto* field = dialField();
        m_fields.insert(i, field);
        const int row = n % FieldsPerColumn, column = 2 * (n / FieldsPerColumn);
        grid->addWidget(new QLabel(listNumber(frequencyHz(i), i == 0 ? 1 : 0) + QStringLiteral(" Hz")), row, column);
        grid->addWidget(field, row, column + 1);
        connect(field, &QSpinBox::valueChanged, this, [this, i](int value) { m_editor.setLevel(i, value); });
    }
    auto* scroll = new QScrollArea;
    scroll->setWidgetResizable(true);
    scroll->setWidget(fields);
    layout->addWidget(scroll, 1);

    auto* buttons = new QHBoxLayout;
    if (bone) {
        m_useDefaults = new QCheckBox(QStringLiteral("Use defaults"));
        m_useDefaults->setChecked(editor.usesDefaults());
        connect(m_useDefaults, &QCheckBox::toggled, this, [this](bool on) {
            m_editor.setUseDefaults(on);
            showLevels();
        });
        buttons->addWidget(m_useDefaults);
    }
    auto* defaults = new QPushButton(bone ? QStringLiteral("Set to defaults") : QStringLiteral("Set to Defaults"));
    connect(defaults, &QPushButton::clicked, this, [this] {
        m_editor.setToDefaults();
        showLevels();
    });
    buttons->addWidget(defaults);
    buttons->addWidget(new QLabel(bone ? QStringLiteral("Set this value for all levels.")
                                       : QStringLiteral("Set Levels to this value:")));
    m_setAllValue = dialField();
    buttons->addWidget(m_setAllValue);
    auto* setAll = new QPushButton(QStringLiteral("Set All"));
    connect(setAll, &QPushButton::clicked, this, [this] {
        m_editor.setAll(m_setAllValue->value());
        showLevels();
    });
    buttons->addWidget(setAll);
    auto* save = new QPushButton(QStringLiteral("Save"));
    connect(save, &QPushButton::clicked, this, [this] { m_editor.save(); });
    buttons->addWidget(save);
    buttons->addStretch();
    layout->addLayout(buttons);
    showLevels();
}

void DialLevelsPage::showLevels() {
    for (auto it = m_fields.cbegin(); it != m_fields.cend(); ++it) {
        const QSignalBlocker quiet(it.value());
        it.value()->setValue(m_editor.level(it.key()));
        it.value()->setEnabled(m_editor.editable());
    }
    m_setAllValue->setEnabled(m_editor.editable());
}

} // namespace orvik
