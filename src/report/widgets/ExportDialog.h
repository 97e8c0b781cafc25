#pragma once

#include "core/FileChoice.h"
#include "report/DataExport.h"

#include <QDialog>
#include <functional>

class QButtonGroup;
class QCheckBox;
class QLineEdit;

namespace orvik {

// "Export Data": file, format and delimiter of the current test's export; OK writes it and, when asked, opens
// it in the desktop's application for its kind.
class ExportDialog final : public QDialog {
    Q_OBJECT
public:
    struct Seams {
        SettingsStore& settings;
        MessageBox& messages;
        ChooseFile chooseFile;
        // Opens a written file; the desktop's default application for it unless a test stands in.
        std::function<bool(const QString&)> launch = {};
    };

    ExportDialog(ExportContent content, Seams seams, QWidget* parent = nullptr);

    // The file written by the last OK; empty before one.
    const QString& writtenFile() const { return m_written; }

    void accept() override;
    void done(int result) override;

private:
    ExportChoice choice() const;
    void formatChosen(int format);
    void browse();
    void launch(QString path);

    ExportContent m_content;
    Seams m_seams;
    QLineEdit* m_fileName;
    QButtonGroup* m_formats;
    QButtonGroup* m_delimiters;
    QCheckBox* m_launch;
    QString m_written;
};

} // namespace orvik
