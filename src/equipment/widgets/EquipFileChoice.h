#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace orvik {

// Asks for a file to read: (title, filter) -> path, empty when the technician cancels. Filters are written
// as the lists have always named them, "Description|pattern|...||"; tests answer without a dialog.
using ChooseFile = std::function<QString(const QString& title, const QString& filter)>;

// The file dialog of the program.
ChooseFile fileDialogChooser(QWidget* parent);

// "CSV (*.csv)|*.csv|All Files (*.*)|*.*||" as a file dialog takes it: "CSV (*.csv);;All Files (*.*)".
QString dialogFilter(const QString& pipedFilter);

} // namespace orvik
