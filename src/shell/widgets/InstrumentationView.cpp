#include "shell/widgets/InstrumentationView.h"

#include "core/Settings.h"
#include "core/widgets/FileDialogChooser.h"
#include "core/widgets/TabChain.h"
#include "equipment/InstrumentImport.h"
#include "equipment/InstrumentationEditor.h"
#include "equipment/widgets/ImportSetupFileDialog.h"
#include "equipment/widgets/InstrumentInfoPage.h"
#include "equipment/widgets/InstrumentationSheet.h"
#include "model/AudiometerRecord.h"
#include "shell/ShellDocument.h"
#include "shell/ViewSwitcher.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace orvik {

InstrumentationView::InstrumentationView(ViewContext& context, QWidget* parent)
    : QWidget(parent), chooseFile(fileDialogChooser(this)), runDialog([](QDialog& dialog) { dialog.exec(); }),
      m_context(context),
      m_editor(std::make_unique<InstrumentationEditor>(*context.instruments, context.messages, context.settings)),
      m_kinds(new QListWidget(this)), m_instruments(new QListWidget(this)), m_prompt(new QLabel(this)),
      m_label(new QLabel(this)), m_sheet(new InstrumentationSheet(this)),
      m_add(new QPushButton(QStringLiteral("&Add"), this)), m_update(new QPushButton(QStringLiteral("&Update"), this)),
      m_delete(new QPushButton(QStringLiteral("&Delete"), this)), m_buttons(new QWidget(this)) {
    m_kinds->addItems(InstrumentationEditor::kindNames());
    m_kinds->setMaximumWidth(200);
    m_prompt->setWordWrap(true);

    auto* edits = new QHBoxLayout(m_buttons);
    edits->setContentsMargins(0, 0, 0, 0);
    for (QPushButton* b : {m_add, m_update, m_delete})
        edits->addWidget(b);
    edits->addStretch();
    connect(m_add, &QPushButton::clicked, this, [this] {
        m_editor->add();
        refresh();
    });
    connect(m_update, &QPushButton::clicked, this, [this] {
        m_editor->update(m_context.document.record().setup.dataVersion);
        refresh();
    });
    connect(m_delete, &QPushButton::clicked, this, [this] {
        m_editor->remove();
        refresh();
    });
    auto* ok = new QPushButton(QStringLiteral("&Ok"), this);
    auto* cancelButton = new QPushButton(QStringLiteral("&Cancel"), this);
    connect(ok, &QPushButton::clicked, this, &InstrumentationView::ok);
    connect(cancelButton, &QPushButton::clicked, this, &InstrumentationView::cancel);
    edits->addWidget(ok);
    edits->addWidget(cancelButton);

    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel(QStringLiteral("Instrumentation"), this));
    left->addWidget(m_kinds);
    left->addWidget(new QLabel(QStringLiteral("Current"), this));
    left->addWidget(m_label);
    left->addWidget(m_instruments, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(m_prompt);
    right->addWidget(m_sheet, 1);
    auto* body = new QHBoxLayout;
    body->addLayout(left);
    body->addLayout(right, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addWidget(m_buttons);

    connect(m_sheet, &InstrumentationSheet::edited, this, &InstrumentationView::pagesEdited);
    connect(m_sheet, &InstrumentationSheet::mastoidManufacturerChosen, this,
            &InstrumentationView::mastoidManufacturerChosen);
    connect(m_sheet, &InstrumentationSheet::importRequested, this, &InstrumentationView::importFromPage);
    connect(m_kinds, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!m_editor->selectKind(row)) {
            const QSignalBlocker block(m_kinds);
            m_kinds->setCurrentRow(static_cast<int>(
                InstrumentationEditor::kindNames().indexOf(QString::fromLatin1(kindTexts(m_editor->kind()).listName))));
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

InstrumentationView::~InstrumentationView() = default;

bool InstrumentationView::hasPendingChanges() const {
    return m_editor->pagesModified();
}

QLineEdit* InstrumentationView::serialField() const {
    return m_sheet->infoPage()->serialField();
}

bool InstrumentationView::showsMicrophoneOrMastoid() const {
    return m_sheet->kind() == InstrumentKind::Microphone || m_sheet->kind() == InstrumentKind::Mastoid;
}

void InstrumentationView::refresh() {
    m_showing = true;
    m_prompt->setText(m_editor->prompt());
    m_label->setText(m_editor->label());
    m_instruments->clear();
    m_instruments->addItems(m_editor->instrumentLines());
    m_instruments->setCurrentRow(m_editor->selectedPosition());
    showPages();
    m_update->setEnabled(m_editor->updateEnabled());
    m_delete->setEnabled(m_editor->deleteEnabled());
    m_showing = false;
}

void InstrumentationView::showPages() {
    const InstrumentEntry& pages = m_editor->pages();
    m_sheet->showKind(m_editor->kind(), pages.manufacturer());
    // Pages made for a new kind join the end of the Tab chain; the buttons below them go back behind them.
    moveToEndOfTabChain(m_buttons);
    m_sheet->load(pages);
    if (!m_editor->pagesModified())
        m_sheet->resetModified();
    m_add->setEnabled(m_editor->addEnabled());
}

void InstrumentationView::pagesEdited() {
    InstrumentEntry edited = m_editor->pages();
    m_sheet->store(edited);
    m_editor->setPages(edited);
    m_add->setEnabled(m_editor->addEnabled());
}

void InstrumentationView::mastoidManufacturerChosen(const QString& manufacturer) {
    // Refused, the pages show the choice as it was.
    m_editor->setMastoidManufacturer(manufacturer, m_sheet->responsePagesModified());
    showPages();
}

void InstrumentationView::importFromPage(int responseSet) {
    if (!m_editor->confirmImport(InstrumentationEditor::ImportOrigin::Page))
        return;
    const bool microphone = m_editor->kind() == InstrumentKind::Microphone;
    const QString path =
        microphone
            ? chooseFile({FileRequest::Read, QStringLiteral("Select Microphone Response Data file"),
                          QStringLiteral("Data File(*.csv)|*.csv|Cert Files (*.xls)|*.xls|All Files (*.*)|*.*||")})
            : chooseFile({FileRequest::Read, QStringLiteral("Select Mastoid Certification/Data file"),
                          QStringLiteral("Data Files(*.csv)|*.csv|Cert Files(*.xls)|*.xls| All Files (*.*)|*.*||")});
    if (path.isEmpty())
        return;
    const auto delimiter = static_cast<SetupDelimiter>(Setting::ImportDelimiter.read(m_context.settings) == 1 ? 1 : 0);
    if (importPageFile(*m_editor, m_context.messages, path, delimiter, responseSet))
        showPages();
}

void InstrumentationView::importSetup() {
    if (!m_editor->confirmImport(InstrumentationEditor::ImportOrigin::Menu))
        return;
    ImportSetupFileDialog dialog(*m_editor, m_context.messages, m_context.settings, chooseFile, this);
    runDialog(dialog);
    if (dialog.result() == QDialog::Accepted)
        showPages();
}

void InstrumentationView::close(int closing) {
    switch (static_cast<InstrumentationEditor::Closing>(closing)) {
    case InstrumentationEditor::Closing::Stay:
        return;
    case InstrumentationEditor::Closing::WriteLists:
        if (m_context.writeInstruments)
            m_context.writeInstruments();
        break;
    case InstrumentationEditor::Closing::ReloadLists:
        if (m_context.reloadInstruments)
            m_context.reloadInstruments();
        break;
    case InstrumentationEditor::Closing::Close:
        break;
    }
    m_context.views.goBack();
}

void InstrumentationView::ok() {
    close(static_cast<int>(m_editor->ok()));
}

void InstrumentationView::cancel() {
    close(static_cast<int>(m_editor->cancel()));
}

} // namespace orvik
