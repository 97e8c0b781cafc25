#pragma once

#include "core/FileChoice.h"
#include "shell/ViewContext.h"

#include <QWidget>
#include <memory>

class QDialog;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace orvik {

class InstrumentationSheet;
class InstrumentationEditor;

// The instrumentation lists: a kind, its instruments and the sheet of the kind's pages. The rules are the
// editor's; the view shows them and forwards edits, choices and imports.
class InstrumentationView final : public QWidget {
    Q_OBJECT
public:
    explicit InstrumentationView(ViewContext& context, QWidget* parent = nullptr);
    ~InstrumentationView() override;

    bool hasPendingChanges() const;
    InstrumentationEditor& editor() { return *m_editor; }
    QListWidget* kinds() const { return m_kinds; }
    InstrumentationSheet* sheet() const { return m_sheet; }
    QLineEdit* serialField() const;
    QPushButton* addButton() const { return m_add; }
    // Whether "&Import Mic/Mastoid Setup..." can act: the sheet shows microphone or mastoid pages.
    bool showsMicrophoneOrMastoid() const;
    void ok();
    void cancel();
    // "&Import Mic/Mastoid Setup...": the unsaved-changes question, then the import dialog.
    void importSetup();

    // Where files are chosen and the import dialog is run; tests answer both without windows.
    ChooseFile chooseFile;
    std::function<void(QDialog&)> runDialog;

private:
    void refresh();
    void showPages();
    void pagesEdited();
    void mastoidManufacturerChosen(const QString& manufacturer);
    void importFromPage(int responseSet);
    void close(int closing);

    ViewContext& m_context;
    std::unique_ptr<InstrumentationEditor> m_editor;
    QListWidget* m_kinds;
    QListWidget* m_instruments;
    QLabel* m_prompt;
    QLabel* m_label;
    InstrumentationSheet* m_sheet;
    QPushButton* m_add;
    QPushButton* m_update;
    QPushButton* m_delete;
    QWidget* m_buttons; // Add, Update, Delete, Ok, Cancel
    bool m_showing = false;
};

} // namespace orvik
