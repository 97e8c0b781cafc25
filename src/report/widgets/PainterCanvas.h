#pragma once

#include "report/PageCanvas.h"

#include <QFont>

class QPagedPaintDevice;
class QPainter;

namespace orvik {

// The page-canvas seam on a QPainter over a paged device: a PDF writer or a printer (also the one a print
// preview paints on). Sizes are the device's own units, so the layout is the same on every device.
class PainterCanvas : public PageCanvas {
public:
    PainterCanvas(QPagedPaintDevice& device, QPainter& painter);

    void setFonts(const FontChoice& choice) override;
    FaceMetrics metrics(FontRole role) const override;
    int textWidth(FontRole role, const QString& text) const override;
    void drawText(FontRole role, int x, int y, const QString& text) override;
    void drawRect(const QRect& rect) override;
    QSize pageSize() const override;
    QSize dotsPerInch() const override;
    void newPage() override;

private:
    const QFont& font(FontRole role) const;

    QPagedPaintDevice& m_device;
    QPainter& m_painter;
    QFont m_fonts[3];
};

} // namespace orvik
