#include "report/widgets/CertificateOptionsDialog.h"

#include "core/MessageBox.h"
#include "report/ParagraphFile.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QVBoxLayout>

namespace orvik {

namespace {
QCheckBox* checked(const QString& text, QWidget* parent) {
    auto* box = new QCheckBox(text, parent);
    box->setChecked(true);
    return box;
}
} // namespace

CertificateOptionsDialog::CertificateOptionsDialog(CertificateKind kind, const QString& defaultText,
                                                   const QString& paragraphPath, MessageBox& messages,
                                                   ChooseFile chooseFile, QWidget* parent)
    : QDialog(parent), m_kind(kind), m_defaultText(defaultText), m_path(paragraphPath), m_messages(messages),
      m_chooseFile(std::move(chooseFile)), m_text(new QPlainTextEdit(this)), m_fileName(new QLineEdit(this)),
      m_browse(new QPushButton(QStringLiteral("Browse..."), this)),
      m_edit(new QPushButton(QStringLiteral("Edit"), this)), m_save(new QPushButton(QStringLiteral("Save"), this)),
      m_saveAs(new QPushButton(QStringLiteral("Save As..."), this)), m_ok(new QPushButton(QStringLiteral("OK"), this)),
      m_border(checked(QStringLiteral("Include border?"), this)),
      m_date(checked(QStringLiteral("Include date of signature?"), this)),
      m_retspl(checked(QStringLiteral("Display RETSPL Message"), this)) {
    setWindowTitle(QStringLiteral("Certification Paragraph"));
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_fileName->setReadOnly(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    auto* file = new QFormLayout;
    file->addRow(QStringLiteral("Paragraph File Name:"), m_fileName);
    layout->addLayout(file);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {m_browse, m_edit, m_save, m_saveAs, m_ok, cancel})
        buttons->addWidget(button);
    for (QCheckBox* box : {m_border, m_date, m_retspl})
        layout->addWidget(box);
    layout->addLayout(buttons);
    connect(m_browse, &QPushButton::clicked, this, &CertificateOptionsDialog::browse);
    connect(m_edit, &QPushButton::clicked, this, &CertificateOptionsDialog::edit);
    connect(m_save, &QPushButton::clicked, this, &CertificateOptionsDialog::save);
    connect(m_saveAs, &QPushButton::clicked, this, &CertificateOptionsDialog::saveAs);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    setEditing(false);

    QString text;
    switch (m_path.isEmpty() ? ParagraphRead::CannotOpen : readParagraphFile(m_path, text)) {
    case ParagraphRead::Ok:
        m_text->setPlainText(text);
        m_fileName->setText(m_path);
        return;
    case ParagraphRead::CannotOpen:
        if (!m_path.isEmpty())
            m_messages.show(QStringLiteral("Unable to open file.  Will use default paragraph."));
        m_path.clear();
        break;
    case ParagraphRead::Empty:
        m_messages.show(QStringLiteral("Paragraph file appears to be empty.\nWill use original default paragraph."));
        break;
    }
    showDefault();
}

QString CertificateOptionsDialog::kindWord() const {
    return m_kind == CertificateKind::Audiometer ? QStringLiteral("Audiometer") : QStringLiteral("Ambient");
}

FileRequest CertificateOptionsDialog::request(FileRequest::Purpose purpose, const QString& title) const {
    return {purpose, title,
            QStringLiteral("%1 Certificate Paragraph (*.%2)|*.%2||").arg(kindWord(), ParagraphExtension),
            ParagraphExtension};
}

void CertificateOptionsDialog::showDefault() {
    m_text->setPlainText(QString(m_defaultText).remove(u'\r'));
    m_fileName->setText(m_path);
}

void CertificateOptionsDialog::browse() {
    const QString path = m_chooseFile(request(FileRequest::Read, QStringLiteral("Open")));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().compare(ParagraphExtension, Qt::CaseInsensitive) != 0) {
        m_messages.show(QStringLiteral("Selected file is invalid.  Must have \".%1\" extension.").arg(ParagraphExtension));
        return;
    }
    QString text;
    switch (readParagraphFile(path, text)) {
    case ParagraphRead::CannotOpen:
        m_messages.show(QStringLiteral("Unable to open paragraph file."));
        return;
    case ParagraphRead::Empty:
        m_messages.show(QStringLiteral("Warning: Paragraph file appears to be empty.\n"));
        return;
    case ParagraphRead::Ok:
        m_path = path;
        m_text->setPlainText(text);
        m_fileName->setText(path);
    }
}

void CertificateOptionsDialog::edit() {
    setEditing(true);
}

void CertificateOptionsDialog::setEditing(bool editing) {
    m_text->setReadOnly(!editing);
    m_save->setEnabled(editing);
    m_saveAs->setEnabled(editing);
    m_ok->setEnabled(!editing);
    m_browse->setEnabled(!editing);
    m_edit->setEnabled(!editing);
}

void CertificateOptionsDialog::save() {
    if (m_path.isEmpty()) {
        saveAs();
        return;
    }
    if (write(m_path))
        setEditing(false);
}

void CertificateOptionsDialog::saveAs() {
    const QString path = m_chooseFile(request(FileRequest::Write, QStringLiteral("Save As")));
    if (path.isEmpty() || !write(path))
        return;
    m_path = path;
    m_fileName->setText(path);
    setEditing(false);
}

bool CertificateOptionsDialog::write(const QString& path) {
    QSaveFile file(path);
    // Lines end as the paragraph files always had them, so the printed paragraph breaks where it was typed.
    const QByteArray bytes = m_text->toPlainText().replace(u'\n', QStringLiteral("\r\n")).toLocal8Bit();
    if (!file.open(QIODevice::WriteOnly)) {
        m_messages.show(QStringLiteral("Unable to open file for storing paragraph."));
        return false;
    }
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        m_messages.show(QStringLiteral("Unable to store file due to memory problems."));
        return false;
    }
    return true;
}

CertificateOptions CertificateOptionsDialog::options() const {
    CertificateOptions options;
    options.border = m_border->isChecked();
    options.dateOfSignature = m_date->isChecked();
    options.retsplMessage = m_retspl->isChecked();
    return options;
}

} // namespace orvik
