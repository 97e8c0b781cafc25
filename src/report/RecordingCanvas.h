#pragma once

#include "report/PageCanvas.h"

#include <QList>

namespace orvik {

// A canvas that only remembers: fixed-pitch faces whose widths are easy to reason about, every text and
// rectangle with the page it landed on. Lets layout decisions be checked without fonts or a printer.
class RecordingCanvas : public PageCanvas {
public:
    struct Text {
        int page;
        FontRole role;
        int x;
        int y;
        QString text;
    };
    struct Rect {
        int page;
        QRect rect;
    };

    // Letter at 300 dpi by default; every character of the normal face is charWidth wide.
    explicit RecordingCanvas(QSize page = {2550, 3300}, QSize dpi = {300, 300});

    void setFonts(const FontChoice& choice) override;
    FaceMetrics metrics(FontRole role) const override;
    int textWidth(FontRole role, const QString& text) const override;
    void drawText(FontRole role, int x, int y, const QString& text) override;
    void drawRect(const QRect& rect) override;
    QSize pageSize() const override { return m_page; }
    QSize dotsPerInch() const override { return m_dpi; }
    void newPage() override { ++m_pageIndex; }

    const QList<Text>& texts() const { return m_texts; }
    const QList<Rect>& rects() const { return m_rects; }
    int pagesDrawn() const { return m_pageIndex + 1; }
    // The first text that equals `text`, or nullptr.
    const Text* find(const QString& text) const;

private:
    QSize m_page;
    QSize m_dpi;
    FontChoice m_fonts;
    int m_pageIndex = 0;
    QList<Text> m_texts;
    QList<Rect> m_rects;
};

} // namespace orvik
