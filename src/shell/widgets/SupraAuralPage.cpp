#include "shell/widgets/SupraAuralPage.h"

#include "shell/widgets/EarphoneIdentityForm.h"

#include "core/Settings.h"
#include "model/DefaultRetspl.h"
#include "model/FixedText.h"
#include "model/TestSetup.h"
#include "shell/SupraAuralCoupling.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace orvik {

namespace {
constexpr quint16 Rkc311 = 1;
constexpr quint16 Rkc310 = 2;
constexpr quint16 Rkc420 = 6;
} // namespace

SupraAuralPage::SupraAuralPage(std::vector<EarphoneBlock> earphones, SettingsStore& settings, bool alternateMode,
                                 AskIncompatible ask, QWidget* parent)
    : SetupPage(parent), m_earphones(std::move(earphones)), m_settings(settings), m_alternateMode(alternateMode),
      m_ask(std::move(ask)), m_couplers(new QButtonGroup(this)) {
    auto* layout = new QVBoxLayout(this);
    const std::pair<quint16, const char*> buttons[] = {
        {Rkc311, "RKC311 (IEC 60318-1)"}, {Rkc310, "RKC310 (IEC 60318-3)"}, {Rkc420, "RKC420 (IEC 60318-1)"}};
    for (const auto& [coupler, text] : buttons) {
        auto* button = new QRadioButton(QString::fromLatin1(text), this);
        m_couplers->addButton(button, coupler);
        layout->addWidget(button);
    }
    // Created after the coupler buttons above them, so that Tab meets them in that order.
    m_allow = new QCheckBox(
        QStringLiteral("Allow use of coupler with an earphone that has not been certified for that coupler."), this);
    m_models = new QComboBox(this);
    m_manufacturer = new QLineEdit(this);
    m_leftSerial = new QLineEdit(this);
    m_rightSerial = new QLineEdit(this);
    m_editRetspl = new QPushButton(this);
    m_allow->setChecked(Setting::AllowIncompatible.read(m_settings) != 0);
    layout->addWidget(m_allow);
    layout->addLayout(earphoneIdentityForm(m_models, m_manufacturer, m_leftSerial, m_rightSerial, m_editRetspl));
    layout->addStretch();

    connect(m_couplers, &QButtonGroup::idClicked, this, [this](int id) { chooseCoupler(quint16(id)); });
    connect(m_models, &QComboBox::activated, this, [this] { chooseModel(m_models->currentText()); });
    connect(m_allow, &QCheckBox::toggled, this, [this] {
        Setting::AllowIncompatible.write(m_settings, m_allow->isChecked() ? 1 : 0);
        rebuildModelList();
    });
}

SupraAuralPage::~SupraAuralPage() = default;

quint16 SupraAuralPage::selectedCoupler() const {
    return quint16(m_couplers->checkedId());
}

void SupraAuralPage::setCouplerButton(quint16 coupler) {
    m_couplers->button(coupler == Rkc311 || coupler == Rkc310 ? coupler : Rkc420)->setChecked(true);
}

void SupraAuralPage::load(const TestSetup& setup) {
    m_initialising = true;
    m_slot = setup.supraAural;
    m_currentModel = fixedText(m_slot.model);
    setCouplerButton(m_slot.coupler);
    rebuildModelList();
    m_leftSerial->setText(fixedText(m_slot.leftSerial));
    m_rightSerial->setText(fixedText(m_slot.rightSerial));
    if (!fixedText(m_slot.manufacturer).isEmpty())
        m_manufacturer->setText(fixedText(m_slot.manufacturer));
    m_initialising = false;
}

void SupraAuralPage::rebuildModelList() {
    const QSignalBlocker block(m_models);
    m_models->clear();
    const QStringList models = SupraAuralCoupling::offeredModels(m_earphones, selectedCoupler(), m_allow->isChecked());
    if (models.isEmpty()) {
        m_models->addItem(QStringLiteral("None"));
        m_models->setEnabled(false);
        m_currentModel.clear();
        for (QLineEdit* field : {m_manufacturer, m_leftSerial, m_rightSerial})
            field->clear();
        return;
    }
    m_models->setEnabled(true);
    m_models->addItems(models);
    const int stored = int(models.indexOf(m_currentModel));
    m_models->setCurrentIndex(stored >= 0 ? stored : 0);
    m_currentModel = m_models->currentText();
    showEntry();
}

void SupraAuralPage::showEntry() {
    if (const EarphoneBlock* entry = SupraAuralCoupling::findModel(m_earphones, m_currentModel)) {
        m_manufacturer->setText(fixedText(entry->manufacturer));
        m_leftSerial->setText(fixedText(entry->leftSerial));
        m_rightSerial->setText(fixedText(entry->rightSerial));
    }
}

bool SupraAuralPage::accepted(const EarphoneBlock& earphone, quint16 coupler) {
    if (m_initialising)
        return true;
    const std::optional<QString> warning = SupraAuralCoupling::incompatibility(earphone, coupler, m_allow->isChecked());
    // With the warning switched off the technician has said once and for all to go ahead.
    if (!warning || Setting::ShowCouplerWarn.read(m_settings) == 0)
        return true;
    bool dontShowAgain = false;
    const bool go = m_ask(*warning, dontShowAgain);
    if (dontShowAgain)
        Setting::ShowCouplerWarn.write(m_settings, 0);
    return go;
}

void SupraAuralPage::chooseCoupler(quint16 coupler) {
    const quint16 previous = m_slot.coupler;
    const EarphoneBlock* entry = SupraAuralCoupling::findModel(m_earphones, m_currentModel);
    if (entry && !accepted(*entry, coupler)) {
        setCouplerButton(previous);
        return;
    }
    setCouplerButton(coupler);
    m_slot.coupler = coupler;
    rebuildModelList();
}

void SupraAuralPage::chooseModel(const QString& model) {
    const EarphoneBlock* entry = SupraAuralCoupling::findModel(m_earphones, model);
    if (!entry || !accepted(*entry, selectedCoupler())) {
        const QSignalBlocker block(m_models);
        m_models->setCurrentIndex(std::max(0, int(m_models->findText(m_currentModel))));
        return;
    }
    m_currentModel = model;
    {
        const QSignalBlocker block(m_models);
        m_models->setCurrentIndex(int(m_models->findText(model)));
    }
    showEntry();
    TestSetup scratch{};
    scratch.supraAural = m_slot;
    store(scratch);
    m_slot = scratch.supraAural;
    // A new model brings its own reference levels for this coupler.
    ensureRetspl(m_slot, true, m_alternateMode);
}

void SupraAuralPage::store(TestSetup& setup) {
    EarphoneBlock& slot = setup.supraAural;
    const bool sameEarphone = fixedText(slot.model) == m_currentModel.left(15) && slot.coupler == selectedCoupler();
    if (!sameEarphone)
        std::fill(std::begin(slot.retspl), std::end(slot.retspl), 0.0f);
    setFixedText(slot.model, m_currentModel.left(15));
    setFixedText(slot.manufacturer, m_manufacturer->text());
    setFixedText(slot.leftSerial, m_leftSerial->text());
    setFixedText(slot.rightSerial, m_rightSerial->text());
    slot.kind = 0;
    slot.coupler = selectedCoupler();
    ensureRetspl(slot, false, m_alternateMode);
    m_slot = slot;
}

} // namespace orvik
