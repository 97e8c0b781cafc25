#pragma once

#include "core/FileChoice.h"
#include "model/FrequencyTable.h"
#include "model/RetsplEditor.h"

#include <QDialog>
#include <array>

class QLineEdit;
class QPushButton;

namespace orvik {

// "Reference Equivalent Threshold Sound Pressure Levels (RETSPL)": the 39 levels of one earphone slot. The slot
// changes only on "Save RETSPL" or OK; Reset and Import only change what the fields show.
class RetsplDialog final : public QDialog {
    Q_OBJECT
public:
    // `chooseFile` asks where levels are exported to and imported from.
    RetsplDialog(EarphoneBlock& slot, bool alternateMode, ChooseFile chooseFile, QWidget* parent = nullptr);

    void accept() override;
    void resetToDefaults();
    void exportFile();
    void importFile();

    QLineEdit* field(FreqIndex index) const { return m_fields[static_cast<std::size_t>(index)]; }
    QPushButton* button(const QString& text) const;

private:
    QWidget* fieldGrid(FreqIndex first, FreqIndex last);
    QPushButton* addButton(const QString& text, void (RetsplDialog::*handler)());
    void showFields();

    EarphoneBlock& m_slot;
    RetsplEditor m_editor;
    ChooseFile m_chooseFile;
    std::array<QLineEdit*, FrequencyCount> m_fields{};
    QList<QPushButton*> m_buttons;
};

} // namespace orvik
