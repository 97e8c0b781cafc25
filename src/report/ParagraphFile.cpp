#include "report/ParagraphFile.h"

#include <QFile>

namespace orvik {

ParagraphRead readParagraphFile(const QString& path, QString& text) {
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return ParagraphRead::CannotOpen;
    text = QString::fromLocal8Bit(file.read(ParagraphFileLimit));
    return text.isEmpty() ? ParagraphRead::Empty : ParagraphRead::Ok;
}

} // namespace orvik
