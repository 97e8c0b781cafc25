#pragma once

#include "report/PageCanvas.h"

#include <QStringList>
#include <functional>

namespace orvik {

// Draws pages into a PDF file on US Letter at 600 dpi. The file appears only when it is complete: a failure
// leaves whatever was at the path before. Answers an empty string or what went wrong.
QString writePdf(const QString& path, const QString& title, const std::function<void(PageCanvas&)>& draw);

// The printout families and the metric-compatible twins that stand in for them. Empty when every family
// resolves to itself or its twin; otherwise a warning that names what is missing.
QString missingFontWarning();

} // namespace orvik
