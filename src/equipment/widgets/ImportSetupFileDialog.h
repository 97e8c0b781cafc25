#pragma once

#include "core/FileChoice.h"

#include <QDialog>

class QButtonGroup;
class QComboBox;
class QLineEdit;

namespace orvik {

class InstrumentationEditor;
class MessageBox;
class SettingsStore;

// "Import": a microphone or mastoid setup file into the instrumentation pages. The last file and delimiter
// come from the settings and go back to them only after an import that worked; a failure is reported and the
// dialog stays open for another try.
class ImportSetupFileDialog final : public QDialog {
    Q_OBJECT
public:
    ImportSetupFileDialog(InstrumentationEditor& editor, MessageBox& messages, SettingsStore& settings,
                          ChooseFile chooseFile, QWidget* parent = nullptr);

    QLineEdit* pathField() const { return m_path; }
    QButtonGroup* delimiter() const { return m_delimiter; }
    QComboBox* coupler() const { return m_coupler; }
    void browse();
    void import();

private:
    InstrumentationEditor& m_editor;
    MessageBox& m_messages;
    SettingsStore& m_settings;
    ChooseFile m_chooseFile;
    QLineEdit* m_path;
    QButtonGroup* m_delimiter;
    QComboBox* m_coupler = nullptr; // mastoids only
};

} // namespace orvik
