#include "shell/widgets/OrganizationPage.h"

#include "core/Preferences.h"
#include "core/Settings.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace orvik {

namespace {
struct OptionBox {
    const IntSetting* setting;
    const char* text;
};

const std::array<OptionBox, OrganizationPage::OptionCount> OptionBoxes = {{
    {&Setting::ShowSaveDialogAfterTest, "Show Dialog to save data when changing test or transducer."},
    {&Setting::SaveAfterTest, "Always Save data when changing test or transducer."},
    {&Setting::ShowCouplerWarn, "Show warning when Earphone is incompatible with coupler."},
    {&Setting::ShowRetsplWarn, "Show warning when there is no RETSPL defined for a given frequency."},
    {&Setting::DisplayEarsNotCovered, "Display \"Ears Not Covered\" column for Booth Tests."},
    {&Setting::DisplayEmptyRetSpl, "Display frequencies when there is no RETSPL."},
}};
} // namespace

OrganizationPage::Options OrganizationPage::readOptions(SettingsStore& settings) {
    Options options{};
    for (std::size_t i = 0; i < OptionBoxes.size(); ++i)
        options[i] = OptionBoxes[i].setting->read(settings) != 0;
    return options;
}

void OrganizationPage::writeOptions(SettingsStore& settings, const Options& options) {
    for (std::size_t i = 0; i < OptionBoxes.size(); ++i)
        OptionBoxes[i].setting->write(settings, options[i] ? 1 : 0);
}

OrganizationPage::OrganizationPage(const Preferences& preferences, const Options& options, QWidget* parent)
    : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    const QString texts[3] = {preferences.companyName, preferences.header1, preferences.header2};
    for (int i = 0; i < 3; ++i) {
        m_lines[i] = new QLineEdit(texts[i], this);
        m_lines[i]->setMaxLength(Preferences::MaxTextLength);
        m_lines[i]->setObjectName(QStringLiteral("headerLine%1").arg(i));
        form->addRow(i == 0 ? QStringLiteral("Name:") : QString(), m_lines[i]);
    }
    layout->addLayout(form);
    for (std::size_t i = 0; i < OptionBoxes.size(); ++i) {
        m_options[i] = new QCheckBox(QString::fromLatin1(OptionBoxes[i].text), this);
        m_options[i]->setChecked(options[i]);
        layout->addWidget(m_options[i]);
    }
    layout->addStretch();
}

void OrganizationPage::store(Preferences& preferences, Options& options) const {
    for (std::size_t i = 0; i < m_options.size(); ++i)
        options[i] = m_options[i]->isChecked();
    preferences.companyName = m_lines[0]->text().left(Preferences::MaxTextLength);
    preferences.header1 = m_lines[1]->text().left(Preferences::MaxTextLength);
    preferences.header2 = m_lines[2]->text().left(Preferences::MaxTextLength);
}

} // namespace orvik
