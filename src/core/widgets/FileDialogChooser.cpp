#include "core/widgets/FileDialogChooser.h"

#include <QFileDialog>
#include <QPointer>

namespace orvik {

QStringList dialogNameFilters(const QString& pipedFilter) {
    const QStringList parts = pipedFilter.split(u'|');
    QStringList descriptions;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (!parts[i].trimmed().isEmpty())
            descriptions << parts[i].trimmed();
    }
    return descriptions;
}

ChooseFile fileDialogChooser(QWidget* parent) {
    return [owner = QPointer<QWidget>(parent)](const FileRequest& request) -> QString {
        QFileDialog dialog(owner, request.title);
        const bool read = request.purpose == FileRequest::Read;
        dialog.setAcceptMode(read ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
        dialog.setFileMode(read ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, request.purpose == FileRequest::ReadOrCreate);
        dialog.setNameFilters(dialogNameFilters(request.filter));
        dialog.setDefaultSuffix(request.defaultSuffix);
        if (!request.proposedName.isEmpty())
            dialog.selectFile(request.proposedName);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        return dialog.selectedFiles().first();
    };
}

} // namespace orvik
