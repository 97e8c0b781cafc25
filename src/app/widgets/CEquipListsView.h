#pragma once

#include "ViewContext.h"

#include <QWidget>
#include <memory>

class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace orvik {

class EquipListsEditor;

// The instrumentation lists: a kind, its instruments, and the selected instrument's identity and main values.
// The rules are the editor's; the view shows them and forwards edits.
class CEquipListsView final : public QWidget {
    Q_OBJECT
public:
    explicit CEquipListsView(ViewContext& context, QWidget* parent = nullptr);
    ~CEquipListsView() override;

    bool hasPendingChanges() const;
    EquipListsEditor& editor() { return *m_editor; }
    QListWidget* kinds() const { return m_kinds; }
    QLineEdit* serialField() const { return m_fields[3]; }
    void ok();
    void cancel();

private:
    void refresh();
    void showPages();
    void pagesEdited();
    void close(int closing);

    ViewContext& m_context;
    std::unique_ptr<EquipListsEditor> m_editor;
    QListWidget* m_kinds;
    QListWidget* m_instruments;
    QLabel* m_prompt;
    QLineEdit* m_fields[4]; // due date, manufacturer, model, serial number
    QDoubleSpinBox* m_value1;
    QDoubleSpinBox* m_value2;
    QLabel* m_value1Label;
    QLabel* m_value2Label;
    QPushButton* m_add;
    QPushButton* m_update;
    QPushButton* m_delete;
    bool m_showing = false;
};

} // namespace orvik
