#include "RetsplFileChoice.h"

#include <QFileDialog>

namespace orvik {

namespace {
QString chooseFile(QWidget* parent, QFileDialog::AcceptMode mode, const QString& proposedName) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilters({QStringLiteral("Comma-Separated (*.csv)"), QStringLiteral("All Files (*.*)")});
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    dialog.selectFile(proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}
} // namespace

RetsplFileChoice dialogFileChoice(QWidget* parent) {
    return {[parent](const QString& name) { return chooseFile(parent, QFileDialog::AcceptSave, name); },
            [parent](const QString& name) { return chooseFile(parent, QFileDialog::AcceptOpen, name); }};
}

} // namespace orvik
