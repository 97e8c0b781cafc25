#pragma once

#include <QDialog>

class QCheckBox;

namespace orvik {

class SettingsStore;

// "Save Data": asked on a test change while results are unsaved; the check box makes the clicked answer the
// standing one.
class SaveNowDialog final : public QDialog {
    Q_OBJECT
public:
    SaveNowDialog(SettingsStore& settings, QWidget* parent = nullptr);
    // True when the technician chose "Save".
    bool askSave();

private:
    void answer(bool save);

    SettingsStore& m_settings;
    QCheckBox* m_always = nullptr;
    bool m_save = false;
};

} // namespace orvik
