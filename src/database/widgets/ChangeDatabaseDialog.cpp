#include "database/widgets/ChangeDatabaseDialog.h"

#include "core/ServerLocation.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvik {

ChangeDatabaseDialog::ChangeDatabaseDialog(QString folder, ChooseFile chooseFile, QWidget* parent)
    : QDialog(parent), m_folder(std::move(folder)), m_chooseFile(std::move(chooseFile)) {
    setWindowTitle(QStringLiteral("Change database"));
    auto* enter = new QLabel(QStringLiteral("Enter name of new database and click connect or press browse."), this);
    m_name = new QLineEdit(this);
    enter->setBuddy(m_name);
    auto* browseNote = new QLabel(QStringLiteral("Selecting an existing database in the Browse dialog will open it."),
                                  this);
    auto* serverNote =
        new QLabel(QStringLiteral("A database on a server: postgresql://user@host:5432/database"), this);
    auto* browseButton = new QPushButton(QStringLiteral("Browse"), this);
    m_connect = new QPushButton(QStringLiteral("Connect"), this);
    m_connect->setDefault(true);
    m_connect->setEnabled(false);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    connect(m_name, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_connect->setEnabled(!text.trimmed().isEmpty()); });
    connect(browseButton, &QPushButton::clicked, this, &ChangeDatabaseDialog::browse);
    connect(m_connect, &QPushButton::clicked, this, &ChangeDatabaseDialog::connectToNamed);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(m_name, 1);
    nameRow->addWidget(browseButton);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_connect);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(enter);
    layout->addLayout(nameRow);
    layout->addWidget(browseNote);
    layout->addWidget(serverNote);
    layout->addLayout(buttons);
}

void ChangeDatabaseDialog::browse() {
    const QString chosen = m_chooseFile({FileRequest::ReadOrCreate, windowTitle(),
                                         QStringLiteral("Access Database Files (*.mdb)|*.mdb||"),
                                         QStringLiteral("mdb")});
    if (chosen.isEmpty())
        return;
    m_name->setText(QDir::toNativeSeparators(chosen));
    if (QFileInfo::exists(chosen))
        connectToNamed();
}

void ChangeDatabaseDialog::connectToNamed() {
    const QString typed = m_name->text().trimmed();
    if (typed.isEmpty())
        return;
    const QString name = QDir::fromNativeSeparators(typed);
    m_path = isServerLocation(typed)         ? typed
             : QFileInfo(name).isAbsolute() ? name
                                             : QDir(m_folder).filePath(name);
    accept();
}

QString ChangeDatabaseDialog::ask(const QString& folder, ChooseFile chooseFile, QWidget* parent) {
    ChangeDatabaseDialog dialog(folder, std::move(chooseFile), parent);
    return dialog.exec() == QDialog::Accepted ? dialog.path() : QString();
}

} // namespace orvik
