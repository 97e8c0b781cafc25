#pragma once

#include "report/PageCanvas.h"

namespace orvik {

// Device units of a page layout, taken from the canvas once its fonts are set.
struct PageMetrics {
    int pageWidth = 0;
    int pageHeight = 0;
    int leftMargin = 0; // the right margin is the same
    int topMargin = 0;
    int lineHeight = 0;
    int charWidth = 0;
};

// Margins as fractions of an inch: horizontal eighths and vertical quarters.
PageMetrics pageMetrics(const PageCanvas& canvas, int leftEighths, int topQuarters);

} // namespace orvik
