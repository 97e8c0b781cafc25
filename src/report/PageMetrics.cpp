#include "report/PageMetrics.h"

namespace orvik {

PageMetrics pageMetrics(const PageCanvas& canvas, int leftEighths, int topQuarters) {
    const FaceMetrics normal = canvas.metrics(FontRole::Normal);
    PageMetrics m;
    m.pageWidth = canvas.pageSize().width();
    m.pageHeight = canvas.pageSize().height();
    m.leftMargin = canvas.dotsPerInch().width() * leftEighths / 8;
    m.topMargin = canvas.dotsPerInch().height() * topQuarters / 4;
    m.lineHeight = qMax(1, normal.height + normal.externalLeading);
    m.charWidth = qMax(1, normal.averageCharWidth);
    return m;
}

} // namespace orvik
