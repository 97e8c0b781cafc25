#pragma once

#include "model/EarphoneBlock.h"
#include "shell/widgets/SetupPage.h"

#include <functional>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace orvik {

class SettingsStore;

// "Supra-aural": the earphone model offered for the chosen coupler, with the warning when an earphone is
// used with a coupler it was not certified for.
class SupraAuralPage final : public SetupPage {
    Q_OBJECT
public:
    // Answers the incompatibility question: true to continue; `dontShowAgain` set when asked to stop asking.
    using AskIncompatible = std::function<bool(const QString& text, bool& dontShowAgain)>;

    SupraAuralPage(std::vector<EarphoneBlock> earphones, SettingsStore& settings, bool alternateMode,
                    AskIncompatible ask, QWidget* parent = nullptr);
    ~SupraAuralPage() override;
    void load(const TestSetup& setup) override;
    void store(TestSetup& setup) override;

    QComboBox* modelList() const { return m_models; }
    QPushButton* editRetsplButton() const { return m_editRetspl; }
    QCheckBox* allowIncompatibleBox() const { return m_allow; }
    quint16 selectedCoupler() const;
    // As the technician's clicks do: the warning, and going back on Cancel.
    void chooseCoupler(quint16 coupler);
    void chooseModel(const QString& model);

private:
    void rebuildModelList();
    bool accepted(const EarphoneBlock& earphone, quint16 coupler);
    void setCouplerButton(quint16 coupler);
    void showEntry();

    std::vector<EarphoneBlock> m_earphones;
    SettingsStore& m_settings;
    bool m_alternateMode;
    AskIncompatible m_ask;
    QButtonGroup* m_couplers;
    QCheckBox* m_allow = nullptr;
    QComboBox* m_models = nullptr;
    QLineEdit* m_manufacturer = nullptr;
    QLineEdit* m_leftSerial = nullptr;
    QLineEdit* m_rightSerial = nullptr;
    QPushButton* m_editRetspl = nullptr;
    EarphoneBlock m_slot{};
    QString m_currentModel;
    bool m_initialising = false;
};

} // namespace orvik
