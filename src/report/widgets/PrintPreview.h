#pragma once

#include "core/FileChoice.h"
#include "report/PageCanvas.h"

#include <functional>

class QWidget;

namespace orvik {

class MessageBox;

using DrawPages = std::function<void(PageCanvas&)>;

// The platform's print preview of the pages, with its print button and "Save as PDF".
void showPrintPreview(QWidget* parent, const QString& title, const DrawPages& draw, const ChooseFile& chooseFile,
                      MessageBox& messages);

} // namespace orvik
