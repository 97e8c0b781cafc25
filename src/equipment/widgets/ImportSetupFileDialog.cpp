#include "equipment/widgets/ImportSetupFileDialog.h"

#include "core/Settings.h"
#include "equipment/InstrumentImport.h"
#include "equipment/InstrumentationEditor.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace orvik {

ImportSetupFileDialog::ImportSetupFileDialog(InstrumentationEditor& editor, MessageBox& messages,
                                             SettingsStore& settings, ChooseFile chooseFile, QWidget* parent)
    : QDialog(parent), m_editor(editor), m_messages(messages), m_settings(settings),
      m_chooseFile(std::move(chooseFile)), m_path(new QLineEdit(this)), m_delimiter(new QButtonGroup(this)) {
    setWindowTitle(QStringLiteral("Import"));
    const bool mastoid = editor.kind() == InstrumentKind::Mastoid;
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(mastoid ? QStringLiteral("Path name of file containing mastoid setup:")
                                         : QStringLiteral("Path name of file containing mic setup:"),
                                 this));
    auto* pathRow = new QHBoxLayout;
    pathRow->addWidget(m_path, 1);
    auto* browseButton = new QPushButton(QStringLiteral("Browse..."), this);
    connect(browseButton, &QPushButton::clicked, this, &ImportSetupFileDialog::browse);
    pathRow->addWidget(browseButton);
    layout->addLayout(pathRow);

    auto* delimiterBox = new QGroupBox(QStringLiteral("Delimiter"), this);
    auto* delimiterRow = new QHBoxLayout(delimiterBox);
    const char* delimiterNames[] = {"Comma", "Tab"};
    for (int id = 0; id < 2; ++id) {
        auto* button = new QRadioButton(QString::fromLatin1(delimiterNames[id]), delimiterBox);
        m_delimiter->addButton(button, id);
        delimiterRow->addWidget(button);
    }
    layout->addWidget(delimiterBox);
    if (mastoid) {
        auto* couplerBox = new QGroupBox(QStringLiteral("Coupler"), this);
        auto* couplerRow = new QHBoxLayout(couplerBox);
        m_coupler = new QComboBox(couplerBox);
        m_coupler->addItems({QStringLiteral("RKC310 (60318-3)"), QStringLiteral("RKC311 (60318-1)"),
                             QStringLiteral("RKC420 (60318-1)")});
        couplerRow->addWidget(m_coupler);
        layout->addWidget(couplerBox);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* importButton = new QPushButton(QStringLiteral("Import"), this);
    importButton->setDefault(true);
    auto* cancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    connect(importButton, &QPushButton::clicked, this, &ImportSetupFileDialog::import);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(importButton);
    buttons->addWidget(cancelButton);
    layout->addLayout(buttons);

    m_path->setText(Setting::ImportFilePathname.read(settings));
    const int delimiter = Setting::ImportDelimiter.read(settings);
    m_delimiter->button(delimiter == 1 ? 1 : 0)->setChecked(true);
}

void ImportSetupFileDialog::browse() {
    const QString path = m_chooseFile({FileRequest::Read, QString(),
                                       QStringLiteral("CSV (*.csv)|*.csv|Text (*.txt)|*.txt|Cert Files (*.xls)|*.xls|"
                                                      "All Files (*.*)|*.*||")});
    if (!path.isEmpty())
        m_path->setText(path);
}

void ImportSetupFileDialog::import() {
    const int delimiter = m_delimiter->checkedId();
    const int couplerChoice = m_coupler ? m_coupler->currentIndex() + 1 : 1;
    const QString message =
        importSetupFile(m_editor, m_path->text().trimmed(), static_cast<SetupDelimiter>(delimiter), couplerChoice);
    if (!message.isEmpty()) {
        m_messages.show(message);
        return;
    }
    Setting::ImportFilePathname.write(m_settings, m_path->text().trimmed());
    Setting::ImportDelimiter.write(m_settings, delimiter);
    accept();
}

} // namespace orvik
