#pragma once

#include "core/FileChoice.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace orvik {

// "Change database": the name of the database to connect to, typed or found with "Browse". A bare name means
// a file in the folder of the current database; a "postgresql://" address a database on a server.
class ChangeDatabaseDialog final : public QDialog {
    Q_OBJECT
public:
    ChangeDatabaseDialog(QString folder, ChooseFile chooseFile, QWidget* parent = nullptr);

    // The path to connect to once the dialog is accepted.
    QString path() const { return m_path; }
    QLineEdit* nameField() const { return m_name; }

    // Shows the dialog; the chosen path, or empty when the technician cancelled.
    static QString ask(const QString& folder, ChooseFile chooseFile, QWidget* parent);

private:
    void browse();
    void connectToNamed();

    QString m_folder;
    ChooseFile m_chooseFile;
    QLineEdit* m_name;
    QPushButton* m_connect;
    QString m_path;
};

} // namespace orvik
