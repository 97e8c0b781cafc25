#pragma once

#include "model/EarphoneBlock.h"
#include "shell/widgets/SetupPage.h"

#include <vector>

class QButtonGroup;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace orvik {

// "Insert" and "Circumaural": the earphone model of the page's kind and its coupler. Picking a coupler
// reloads the default reference levels for it.
class EarphonePage final : public SetupPage {
    Q_OBJECT
public:
    struct CouplerButton {
        quint16 coupler;
        const char* text;
    };

    EarphonePage(quint16 kind, std::vector<CouplerButton> buttons, std::vector<EarphoneBlock> earphones,
                       bool alternateMode, QWidget* parent = nullptr);
    void load(const TestSetup& setup) override;
    void store(TestSetup& setup) override;

    quint16 kind() const { return m_kind; }
    QPushButton* editRetsplButton() const { return m_editRetspl; }

private:
    EarphoneBlock& slotOf(TestSetup& setup) const;
    const EarphoneBlock* chosenEntry() const;

    quint16 m_kind;
    std::vector<EarphoneBlock> m_earphones;
    bool m_alternateMode;
    QButtonGroup* m_couplers;
    QComboBox* m_models = nullptr;
    QLineEdit* m_manufacturer = nullptr;
    QLineEdit* m_leftSerial = nullptr;
    QLineEdit* m_rightSerial = nullptr;
    QPushButton* m_editRetspl = nullptr;
    bool m_forceDefaults = false;
};

} // namespace orvik
