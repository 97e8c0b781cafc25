#include "CEquipListsView.h"

#include "app/ShellDocument.h"
#include "app/ViewSwitcher.h"
#include "equipment/EquipListsEditor.h"
#include "model/AudiometerRecord.h"
#include "model/FixedText.h"

#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace orvik {

CEquipListsView::CEquipListsView(ViewContext& context, QWidget* parent)
    : QWidget(parent), m_context(context),
      m_editor(std::make_unique<EquipListsEditor>(*context.instruments, context.messages, context.settings)),
      m_kinds(new QListWidget(this)), m_instruments(new QListWidget(this)), m_prompt(new QLabel(this)),
      m_value1(new QDoubleSpinBox(this)), m_value2(new QDoubleSpinBox(this)), m_value1Label(new QLabel(this)),
      m_value2Label(new QLabel(this)), m_add(new QPushButton(QStringLiteral("Add"), this)),
      m_update(new QPushButton(QStringLiteral("Update"), this)),
      m_delete(new QPushButton(QStringLiteral("Delete"), this)) {
    m_kinds->addItems(EquipListsEditor::kindNames());
    m_kinds->setMaximumWidth(200);
    const int lengths[4] = {12, 25, 15, 12};
    const char* labels[4] = {"Calibration due (yyyy-mm-dd):", "Manufacturer:", "Model:", "Serial number:"};
    auto* form = new QFormLayout;
    for (int i = 0; i < 4; ++i) {
        m_fields[i] = new QLineEdit(this);
        m_fields[i]->setMaxLength(lengths[i]);
        form->addRow(QString::fromLatin1(labels[i]), m_fields[i]);
        connect(m_fields[i], &QLineEdit::textEdited, this, &CEquipListsView::pagesEdited);
    }
    for (QDoubleSpinBox* box : {m_value1, m_value2}) {
        box->setRange(0.0, 100000.0);
        box->setDecimals(2);
        connect(box, &QDoubleSpinBox::valueChanged, this, &CEquipListsView::pagesEdited);
    }
    form->addRow(m_value1Label, m_value1);
    form->addRow(m_value2Label, m_value2);

    auto* edits = new QHBoxLayout;
    for (QPushButton* b : {m_add, m_update, m_delete})
        edits->addWidget(b);
    edits->addStretch();
    connect(m_add, &QPushButton::clicked, this, [this] { m_editor->add(); refresh(); });
    connect(m_update, &QPushButton::clicked, this, [this] {
        m_editor->update(m_context.document.record().setup.dataVersion);
        refresh();
    });
    connect(m_delete, &QPushButton::clicked, this, [this] { m_editor->remove(); refresh(); });
    auto* ok = new QPushButton(QStringLiteral("Ok"), this);
    auto* cancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    connect(ok, &QPushButton::clicked, this, &CEquipListsView::ok);
    connect(cancelButton, &QPushButton::clicked, this, &CEquipListsView::cancel);
    edits->addWidget(ok);
    edits->addWidget(cancelButton);

    auto* right = new QVBoxLayout;
    right->addWidget(m_prompt);
    right->addWidget(m_instruments, 1);
    right->addLayout(form);
    auto* body = new QHBoxLayout;
    body->addWidget(m_kinds);
    body->addLayout(right, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("<h3>Instrumentation</h3>"), this));
    layout->addLayout(body, 1);
    layout->addLayout(edits);

    connect(m_kinds, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!m_editor->selectKind(row)) {
            const QSignalBlocker block(m_kinds);
            m_kinds->setCurrentRow(static_cast<int>(EquipListsEditor::kindNames().indexOf(
                QString::fromLatin1(kindTexts(m_editor->kind()).listName))));
        }
        refresh();
    });
    connect(m_instruments, &QListWidget::currentRowChanged, this, [this](int row) {
        if (m_showing || row < 0)
            return;
        m_editor->selectInstrument(row);
        refresh();
    });
    m_kinds->setCurrentRow(0);
}

CEquipListsView::~CEquipListsView() = default;

bool CEquipListsView::hasPendingChanges() const { return m_editor->pagesModified(); }

void CEquipListsView::refresh() {
    m_showing = true;
    m_prompt->setText(m_editor->prompt());
    m_instruments->clear();
    m_instruments->addItems(m_editor->instrumentLines());
    m_instruments->setCurrentRow(m_editor->selectedPosition());
    showPages();
    m_add->setEnabled(m_editor->addEnabled());
    m_update->setEnabled(m_editor->updateEnabled());
    m_delete->setEnabled(m_editor->deleteEnabled());
    m_showing = false;
}

void CEquipListsView::showPages() {
    const InstrumentEntry& e = m_editor->pages();
    const QString texts[4] = {e.dueDate(), e.manufacturer(), e.model(), e.serialNumber()};
    for (int i = 0; i < 4; ++i)
        m_fields[i]->setText(texts[i]);
    const InstrumentKind kind = m_editor->kind();
    const bool calibrator = kind == InstrumentKind::Calibrator;
    const bool sensitivity = kind == InstrumentKind::Microphone || kind == InstrumentKind::Mastoid;
    m_value1Label->setText(calibrator ? QStringLiteral("Frequency (Hz):") : QStringLiteral("Sensitivity:"));
    m_value2Label->setText(QStringLiteral("Level (dB):"));
    m_value1->setVisible(calibrator || sensitivity);
    m_value1Label->setVisible(calibrator || sensitivity);
    m_value2->setVisible(calibrator);
    m_value2Label->setVisible(calibrator);
    const QSignalBlocker b1(m_value1);
    const QSignalBlocker b2(m_value2);
    m_value1->setValue(double(calibrator ? e.values.calibrator.frequency
                                         : kind == InstrumentKind::Microphone ? e.values.microphone.sensitivity
                                                                              : e.values.mastoid.sensitivity));
    m_value2->setValue(double(e.values.calibrator.level));
}

void CEquipListsView::pagesEdited() {
    if (m_showing)
        return;
    InstrumentEntry e = m_editor->pages();
    setFixedText(e.identity.dueDate, m_fields[0]->text());
    setFixedText(e.identity.manufacturer, m_fields[1]->text());
    setFixedText(e.identity.model, m_fields[2]->text());
    setFixedText(e.identity.serialNumber, m_fields[3]->text());
    switch (m_editor->kind()) {
    case InstrumentKind::Calibrator:
        e.values.calibrator.frequency = float(m_value1->value());
        e.values.calibrator.level = float(m_value2->value());
        break;
    case InstrumentKind::Microphone:
        e.values.microphone.sensitivity = float(m_value1->value());
        break;
    case InstrumentKind::Mastoid:
        e.values.mastoid.sensitivity = float(m_value1->value());
        break;
    case InstrumentKind::SoundLevelMeter:
    case InstrumentKind::Preamp:
        break;
    }
    m_editor->setPages(e);
    m_add->setEnabled(m_editor->addEnabled());
}

void CEquipListsView::close(int closing) {
    switch (static_cast<EquipListsEditor::Closing>(closing)) {
    case EquipListsEditor::Closing::Stay:
        return;
    case EquipListsEditor::Closing::WriteLists:
        if (m_context.writeInstruments)
            m_context.writeInstruments();
        break;
    case EquipListsEditor::Closing::ReloadLists:
        if (m_context.reloadInstruments)
            m_context.reloadInstruments();
        break;
    case EquipListsEditor::Closing::Close:
        break;
    }
    m_context.views.goBack();
}

void CEquipListsView::ok() { close(static_cast<int>(m_editor->ok())); }

void CEquipListsView::cancel() { close(static_cast<int>(m_editor->cancel())); }

} // namespace orvik
