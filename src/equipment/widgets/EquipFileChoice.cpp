#include "EquipFileChoice.h"

#include <QFileDialog>
#include <QPointer>
#include <QStringList>

namespace orvik {

QString dialogFilter(const QString& pipedFilter) {
    const QStringList parts = pipedFilter.split(u'|');
    QStringList descriptions;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (!parts[i].trimmed().isEmpty())
            descriptions << parts[i].trimmed();
    }
    return descriptions.join(QStringLiteral(";;"));
}

ChooseFile fileDialogChooser(QWidget* parent) {
    return [owner = QPointer<QWidget>(parent)](const QString& title, const QString& filter) {
        return QFileDialog::getOpenFileName(owner, title, QString(), dialogFilter(filter));
    };
}

} // namespace orvik
