#include "report/RecordingCanvas.h"

namespace orvik {

RecordingCanvas::RecordingCanvas(QSize page, QSize dpi) : m_page(page), m_dpi(dpi) {}

void RecordingCanvas::setFonts(const FontChoice& choice) {
    m_fonts = choice;
}

FaceMetrics RecordingCanvas::metrics(FontRole role) const {
    const double scale = role == FontRole::Title ? m_fonts.titleScale : 1.0;
    const int height = qRound(m_fonts.points * m_dpi.height() / 72.0 * scale);
    // Courier's proportions: a character is six tenths of the height wide.
    return {height, height / 8, qRound(height * 0.6)};
}

int RecordingCanvas::textWidth(FontRole role, const QString& text) const {
    return int(text.size()) * metrics(role).averageCharWidth;
}

void RecordingCanvas::drawText(FontRole role, int x, int y, const QString& text) {
    m_texts.append({m_pageIndex, role, x, y, text});
}

void RecordingCanvas::drawRect(const QRect& rect) {
    m_rects.append({m_pageIndex, rect});
}

const RecordingCanvas::Text* RecordingCanvas::find(const QString& text) const {
    for (const Text& t : m_texts)
        if (t.text == text)
            return &t;
    return nullptr;
}

} // namespace orvik
