#pragma once

#include <QMap>
#include <QWidget>

class QCheckBox;
class QSpinBox;

namespace orvik {

class DialLevelEditor;

// An input-level tab of the test sheet ("Low Freq. Input Levels", "High Freq. Input Levels", "Bone Input Levels"):
// one dial field a frequency and the buttons that fill them. Every edit goes straight into the editor, which the
// sheet commits before a run.
class DialLevelsPage final : public QWidget {
    Q_OBJECT
public:
    explicit DialLevelsPage(DialLevelEditor& editor, QWidget* parent = nullptr);

    QSpinBox* levelField(int freqIndex) const { return m_fields.value(freqIndex); }
    QSpinBox* setAllValue() const { return m_setAllValue; }
    QCheckBox* useDefaults() const { return m_useDefaults; }

private:
    void showLevels();

    DialLevelEditor& m_editor;
    QMap<int, QSpinBox*> m_fields;
    QSpinBox* m_setAllValue = nullptr;
    QCheckBox* m_useDefaults = nullptr;
};

} // namespace orvik
