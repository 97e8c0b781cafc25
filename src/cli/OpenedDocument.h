#pragma once

#include "cli/ConsoleMessageBox.h"
#include "core/SilentProgress.h"
#include "core/SettingsStore.h"
#include "database/Document.h"

namespace orvik::cli {

// The document over a database file, as the program opens it, its messages on the terminal.
struct OpenedDocument {
    OpenedDocument(QTextStream& err, Clock& clock) : messages(err), services{messages, progress, clock, settings} {}
    // A measurement is stored into a new file when there is none yet; reading never creates one.
    bool open(const QString& file, bool readOnly);

    ConsoleMessageBox messages;
    SilentProgress progress;
    MemorySettingsStore settings;
    AppServices services;
    Document doc{services, QString()};
};

// A database argument as the document opens it: a server's URI as given, a file by its full path (the length
// rule is about the full path, whatever folder a script runs in).
QString databaseLocation(const QString& argument);

// The id of the stored booth test with this name, or -1.
RowId storedBoothId(Database& db, const QString& name);

} // namespace orvik::cli
