#include "report/widgets/PdfOutput.h"

#include "report/widgets/PainterCanvas.h"

#include <QFontInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace orvik {

namespace {
constexpr int PdfResolution = 600;

// The layouts are worked out in character widths of these faces; a substitute with other widths would move
// columns into each other.
struct FontTwin {
    const char* family;
    const char* twin;
};
constexpr FontTwin PrintoutFonts[] = {{"Courier New", "Liberation Mono"}, {"Times New Roman", "Liberation Serif"}};
} // namespace

QString writePdf(const QString& path, const QString& title, const std::function<void(PageCanvas&)>& draw) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
    {
        QPdfWriter writer(&file);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Orvik"));
        writer.setPageSize(QPageSize(QPageSize::Letter));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setResolution(PdfResolution);
        QPainter painter(&writer);
        if (!painter.isActive())
            return QStringLiteral("cannot start a PDF at %1").arg(path);
        PainterCanvas canvas(writer, painter);
        draw(canvas);
    }
    if (!file.commit())
        return QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
    return {};
}

QString missingFontWarning() {
    QStringList missing;
    for (const FontTwin& font : PrintoutFonts) {
        const QString resolved = QFontInfo(QFont(QLatin1String(font.family))).family();
        if (resolved != QLatin1String(font.family) && resolved != QLatin1String(font.twin))
            missing << QStringLiteral("\"%1\" (or \"%2\"; found \"%3\")")
                           .arg(QLatin1String(font.family), QLatin1String(font.twin), resolved);
    }
    if (missing.isEmpty())
        return {};
    return QStringLiteral("Printout fonts not installed: %1. Certificates and reports will not be laid out as "
                          "designed; install fonts-liberation.")
        .arg(missing.join(QStringLiteral(", ")));
}

} // namespace orvik
