#include "report/widgets/PainterCanvas.h"

#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>

namespace orvik {

PainterCanvas::PainterCanvas(QPagedPaintDevice& device, QPainter& painter) : m_device(device), m_painter(painter) {}

void PainterCanvas::setFonts(const FontChoice& choice) {
    // The size is the character height in device pixels, so that a point means the same on paper and in PDF.
    const double normalPixels = choice.points * m_device.logicalDpiY() / 72.0;
    const double scales[] = {1.0, 1.0, choice.titleScale};
    for (int role = 0; role < 3; ++role) {
        QFont face(choice.family);
        face.setPixelSize(qMax(1, qRound(normalPixels * scales[role])));
        face.setWeight(FontRole(role) == FontRole::Bold ? QFont::Bold : QFont::Normal);
        face.setStyleStrategy(QFont::PreferOutline);
        m_fonts[role] = face;
    }
}

const QFont& PainterCanvas::font(FontRole role) const {
    return m_fonts[int(role)];
}

FaceMetrics PainterCanvas::metrics(FontRole role) const {
    const QFontMetrics m(font(role), &m_device);
    return {m.height(), m.leading(), m.averageCharWidth()};
}

int PainterCanvas::textWidth(FontRole role, const QString& text) const {
    return QFontMetrics(font(role), &m_device).horizontalAdvance(text);
}

void PainterCanvas::drawText(FontRole role, int x, int y, const QString& text) {
    m_painter.setFont(font(role));
    m_painter.drawText(QPoint(x, y + QFontMetrics(font(role), &m_device).ascent()), text);
}

void PainterCanvas::drawRect(const QRect& rect) {
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawRect(rect);
}

QSize PainterCanvas::pageSize() const {
    return {m_device.width(), m_device.height()};
}

QSize PainterCanvas::dotsPerInch() const {
    return {m_device.logicalDpiX(), m_device.logicalDpiY()};
}

void PainterCanvas::newPage() {
    m_device.newPage();
}

} // namespace orvik
