#pragma once

#include "core/FileChoice.h"

class QWidget;

namespace orvik {

// The platform's file dialog over `parent`.
ChooseFile fileDialogChooser(QWidget* parent);

// "CSV (*.csv)|*.csv|All Files (*.*)|*.*||" as a file dialog takes it: "CSV (*.csv)", "All Files (*.*)".
QStringList dialogNameFilters(const QString& pipedFilter);

} // namespace orvik
