#pragma once

#include "core/MessageBox.h"
#include "equipment/SetupFileImport.h"

namespace orvik {

class InstrumentationEditor;

// Imports that fill the instrumentation pages held by the editor: a setup file chosen in the import dialog,
// or a file chosen with a page's "Import Data" button. The technician then adds or updates the instrument.

// A setup file for the kind the editor shows. A mastoid's responses go to the set the file names, else to
// `couplerChoice` (1..3). Returns the failure as the technician is told it; empty when the pages took the file.
QString importSetupFile(InstrumentationEditor& editor, const QString& path, SetupDelimiter delimiter,
                        int couplerChoice);

// "Import Data" on a page: a setup file, or for a mastoid a certificate workbook (".xls"). `pageSet` is the
// response set of the page (1..3), 0 for a page without one. Every failure and question goes to `messages`;
// true when the pages took the file.
bool importPageFile(InstrumentationEditor& editor, MessageBox& messages, const QString& path, SetupDelimiter delimiter,
                    int pageSet);

} // namespace orvik
