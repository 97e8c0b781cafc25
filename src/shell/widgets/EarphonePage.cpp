#include "shell/widgets/EarphonePage.h"

#include "shell/widgets/EarphoneIdentityForm.h"

#include "model/DefaultRetspl.h"
#include "model/FixedText.h"
#include "model/TestSetup.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace orvik {

EarphonePage::EarphonePage(quint16 kind, std::vector<CouplerButton> buttons,
                                       std::vector<EarphoneBlock> earphones, bool alternateMode, QWidget* parent)
    : SetupPage(parent), m_kind(kind), m_alternateMode(alternateMode), m_couplers(new QButtonGroup(this)) {
    for (const EarphoneBlock& earphone : earphones)
        if (earphone.kind == kind)
            m_earphones.push_back(earphone);
    auto* layout = new QVBoxLayout(this);
    for (const CouplerButton& b : buttons) {
        auto* button = new QRadioButton(QString::fromLatin1(b.text), this);
        m_couplers->addButton(button, b.coupler);
        layout->addWidget(button);
    }
    // Created after the coupler buttons above them, so that Tab meets them in that order.
    m_models = new QComboBox(this);
    m_manufacturer = new QLineEdit(this);
    m_leftSerial = new QLineEdit(this);
    m_rightSerial = new QLineEdit(this);
    m_editRetspl = new QPushButton(this);
    for (const EarphoneBlock& earphone : m_earphones)
        m_models->addItem(fixedText(earphone.model));
    m_models->setEditable(true);
    m_models->lineEdit()->setMaxLength(15);
    layout->addLayout(earphoneIdentityForm(m_models, m_manufacturer, m_leftSerial, m_rightSerial, m_editRetspl));
    layout->addStretch();
    connect(m_models, &QComboBox::activated, this, [this] {
        if (const EarphoneBlock* entry = chosenEntry())
            m_manufacturer->setText(fixedText(entry->manufacturer));
    });
    // A coupler picked by the technician brings that coupler's defaults when the page is stored.
    connect(m_couplers, &QButtonGroup::idClicked, this, [this] { m_forceDefaults = true; });
}

EarphoneBlock& EarphonePage::slotOf(TestSetup& setup) const {
    return m_kind == 1 ? setup.insert : setup.circumaural;
}

const EarphoneBlock* EarphonePage::chosenEntry() const {
    for (const EarphoneBlock& earphone : m_earphones)
        if (fixedText(earphone.model) == m_models->currentText())
            return &earphone;
    return nullptr;
}

void EarphonePage::load(const TestSetup& setup) {
    TestSetup copy = setup;
    const EarphoneBlock& slot = slotOf(copy);
    QAbstractButton* button = m_couplers->button(slot.coupler);
    (button ? button : m_couplers->buttons().first())->setChecked(true);
    const QString model = fixedText(slot.model);
    if (!model.isEmpty())
        m_models->setCurrentText(model);
    m_manufacturer->setText(fixedText(slot.manufacturer));
    if (m_manufacturer->text().isEmpty())
        if (const EarphoneBlock* entry = chosenEntry())
            m_manufacturer->setText(fixedText(entry->manufacturer));
    m_leftSerial->setText(fixedText(slot.leftSerial));
    m_rightSerial->setText(fixedText(slot.rightSerial));
    m_forceDefaults = false;
}

void EarphonePage::store(TestSetup& setup) {
    EarphoneBlock& slot = slotOf(setup);
    const quint16 coupler = quint16(m_couplers->checkedId());
    const bool modelChanged = fixedText(slot.model) != m_models->currentText();
    setFixedText(slot.model, m_models->currentText());
    setFixedText(slot.manufacturer, m_manufacturer->text());
    setFixedText(slot.leftSerial, m_leftSerial->text());
    setFixedText(slot.rightSerial, m_rightSerial->text());
    slot.kind = m_kind;
    const EarphoneBlock* entry = chosenEntry();
    // Levels the technician edited (marked non-standard) stay marked: the list entry knows nothing of them.
    if (slot.coupler != coupler)
        slot.coupler = coupler;
    else if (entry && slot.standard != 0)
        slot.standard = entry->standard;
    ensureRetspl(slot, m_forceDefaults || modelChanged, m_alternateMode);
    m_forceDefaults = false;
}

} // namespace orvik
