#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace orvik {

// Where a RETSPL file is written to or read from. Each function gets the proposed file name and answers the
// chosen path, or an empty text when the technician cancelled.
struct RetsplFileChoice {
    std::function<QString(const QString& proposedName)> exportFile;
    std::function<QString(const QString& proposedName)> importFile;
};

// The platform's file dialogs: CSV filter first, "csv" added to a name typed without extension, and a question
// before an existing file is overwritten.
RetsplFileChoice dialogFileChoice(QWidget* parent);

} // namespace orvik
