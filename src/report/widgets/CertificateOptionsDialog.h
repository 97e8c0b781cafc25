#pragma once

#include "core/FileChoice.h"
#include "report/Certificate.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace orvik {

class MessageBox;

// "Certification Paragraph": the paragraph a certificate carries, its file, and the three printing options.
class CertificateOptionsDialog final : public QDialog {
    Q_OBJECT
public:
    CertificateOptionsDialog(CertificateKind kind, const QString& defaultText, const QString& paragraphPath,
                             MessageBox& messages, ChooseFile chooseFile, QWidget* parent = nullptr);

    // The path to remember: empty when the default paragraph is used.
    QString paragraphPath() const { return m_path; }
    CertificateOptions options() const;

private:
    QString kindWord() const;
    FileRequest request(FileRequest::Purpose purpose, const QString& title) const;
    void showDefault();
    void browse();
    void edit();
    void save();
    void saveAs();
    bool write(const QString& path);
    void setEditing(bool editing);

    CertificateKind m_kind;
    QString m_defaultText;
    QString m_path;
    MessageBox& m_messages;
    ChooseFile m_chooseFile;
    QPlainTextEdit* m_text;
    QLineEdit* m_fileName;
    QPushButton* m_browse;
    QPushButton* m_edit;
    QPushButton* m_save;
    QPushButton* m_saveAs;
    QPushButton* m_ok;
    QCheckBox* m_border;
    QCheckBox* m_date;
    QCheckBox* m_retspl;
};

} // namespace orvik
