#pragma once

#include "database/StoredMeasurementsBrowser.h"
#include "shell/ShellSeams.h"

#include <QString>
#include <functional>

namespace orvik {

class MessageBox;
class ShellDocument;
class ViewSwitcher;

// The menu commands that change view or need the database: each checks what it needs, refuses with its own
// message, and otherwise goes through the view switcher. The window's menu only forwards to these.
// What the status bar says after a save.
QString saveOutcomeText(bool saved);

class ShellCommands {
public:
    ShellCommands(ShellDocument& document, MessageBox& messages, ViewSwitcher& views, ViewHost& host);

    void changeDatabase();
    void newMeasurement();
    // Says how it went through onSaved.
    void save();
    void audiometerTest();
    void audiometerTestNotes();
    void boothTest();
    void instrumentation();
    void preferences();
    void measurementSummary();
    // Every way out of the program comes here first: refused while a procedure runs, then the pending
    // instrumentation edits and the modified test are offered for saving. False: the program stays open.
    bool mayClose();
    // "Stored Measurements": `browse` shows the sheet and says what it retrieved; the window then shows the
    // retrieved audiometer test in the summary, or else the retrieved booth test.
    using Retrieved = StoredMeasurementsBrowser::Retrieved;
    void storedMeasurements(const std::function<Retrieved()>& browse);

    // The lines naming the instrument kinds still missing, in reporting order; empty when all are there.
    QString missingInstrumentLines() const;

    // After every "Save": whether the record was stored, for the window to say so.
    std::function<void(bool saved)> onSaved;

private:
    bool requireDatabase(const char* action);
    // True when the view may change: always, unless instrumentation edits are pending and are kept.
    bool leaveInstrumentationAllowed();

    ShellDocument& m_document;
    MessageBox& m_messages;
    ViewSwitcher& m_views;
    ViewHost& m_host;
};

} // namespace orvik
