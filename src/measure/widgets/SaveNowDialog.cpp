#include "measure/widgets/SaveNowDialog.h"

#include "database/StoredMeasurementsBrowser.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvik {

SaveNowDialog::SaveNowDialog(SettingsStore& settings, QWidget* parent) : QDialog(parent), m_settings(settings) {
    setWindowTitle(QStringLiteral("Save Data"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Save all current results?"), this));
    auto* buttons = new QHBoxLayout;
    auto* save = new QPushButton(QStringLiteral("Save"), this);
    auto* later = new QPushButton(QStringLiteral("Save Later"), this);
    save->setDefault(true);
    buttons->addWidget(save);
    buttons->addWidget(later);
    layout->addLayout(buttons);
    m_always = new QCheckBox(QStringLiteral("Close dialog and always\n use the clicked result."), this);
    layout->addWidget(m_always);
    layout->addWidget(
        new QLabel(QStringLiteral("You may reenable this dialog under the Test->Preferences menu."), this));
    connect(save, &QPushButton::clicked, this, [this] { answer(true); });
    connect(later, &QPushButton::clicked, this, [this] { answer(false); });
}

void SaveNowDialog::answer(bool save) {
    m_save =
        applySaveDataAnswer(m_settings, save ? SaveDataAnswer::Save : SaveDataAnswer::SaveLater, m_always->isChecked());
    accept();
}

bool SaveNowDialog::askSave() {
    m_save = false;
    exec();
    return m_save;
}

} // namespace orvik
