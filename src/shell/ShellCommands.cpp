#include "shell/ShellCommands.h"

#include "core/MessageBox.h"
#include "database/NoDatabaseMessage.h"
#include "shell/ShellDocument.h"
#include "shell/ViewSwitcher.h"

namespace orvik {

ShellCommands::ShellCommands(ShellDocument& document, MessageBox& messages, ViewSwitcher& views, ViewHost& host)
    : m_document(document), m_messages(messages), m_views(views), m_host(host) {}

bool ShellCommands::requireDatabase(const char* action) {
    if (m_document.hasDatabase())
        return true;
    m_messages.show(noDatabaseMessage(QString::fromLatin1(action)));
    return false;
}

bool ShellCommands::leaveInstrumentationAllowed() {
    if (m_views.current() != ViewId::Instrumentation || !m_host.instrumentationHasPendingChanges())
        return true;
    const MessageAnswer answer = m_messages.show(
        QStringLiteral("There are instrumentation changes that have not been Added or Updated.\n"
                       "Do you wish to discard the changes?\n\n"
                       "Click Yes to discard the changes and change to the Measurement Summary View.\n"
                       "Click No to stay in the Instrumentation View."),
        MessageButtons::YesNo);
    if (answer != MessageAnswer::Yes)
        return false;
    m_host.discardInstrumentationChanges();
    return true;
}

void ShellCommands::changeDatabase() {
    if (m_views.current() != ViewId::Idle) {
        m_messages.show(QStringLiteral("You must be in the idle view state to change the database.\n"
                                       "Close all views by clicking on appropriate buttons (cancel, done, etc.)."));
        return;
    }
    // Opening and converting a database pumps events under its progress window.
    const BusyState::Hold changing(m_views.busy());
    m_document.changeDatabase();
}

void ShellCommands::newMeasurement() { m_document.newMeasurement(); }

QString saveOutcomeText(bool saved) {
    return saved ? QStringLiteral("Saved") : QStringLiteral("Not saved");
}

void ShellCommands::save() {
    bool saved = false;
    if (m_views.current() != ViewId::Summary) {
        saved = m_document.saveRecord();
    } else if (!m_document.equipmentDefined()) {
        m_messages.show(QStringLiteral("Must define equipment first."));
    } else {
        m_host.storeSummaryFields();
        saved = m_document.saveRecord();
    }
    if (onSaved)
        onSaved(saved);
}

QString ShellCommands::missingInstrumentLines() const {
    struct Line {
        RequiredInstrument kind;
        const char* text;
    };
    static constexpr Line lines[] = {{RequiredInstrument::SoundLevelMeter, "    Sound Level Meter\n"},
                                     {RequiredInstrument::Calibrator, "    Calibrator\n"},
                                     {RequiredInstrument::Microphone, "    Microphone\n"},
                                     {RequiredInstrument::Preamp, "    Preamp\n"}};
    QString missing;
    for (const Line& line : lines)
        if (!m_document.hasInstrument(line.kind))
            missing += QString::fromLatin1(line.text);
    return missing;
}

void ShellCommands::audiometerTest() {
    if (!requireDatabase("opening a new Audiometer test!"))
        return;
    const QString missing = missingInstrumentLines();
    if (!missing.isEmpty()) {
        m_messages.show(QStringLiteral("The following items have not been entered yet (in Instrumentation)\n"
                                       "but need to be before setting up a measurement:\n") +
                        missing);
        m_views.switchView(ViewId::Instrumentation);
        return;
    }
    m_views.switchView(ViewId::TestSetup);
}

void ShellCommands::audiometerTestNotes() {
    if (requireDatabase("writing notes for a test!") && leaveInstrumentationAllowed())
        m_views.switchView(ViewId::TestNotes);
}

void ShellCommands::boothTest() {
    if (!requireDatabase("opening a new booth test!"))
        return;
    m_document.resetBoothRecord();
    m_views.switchView(ViewId::Ambient);
}

void ShellCommands::instrumentation() {
    if (requireDatabase("defining instruments!"))
        m_views.switchView(ViewId::Instrumentation);
}

void ShellCommands::preferences() {
    if (requireDatabase("setting preferences!") && leaveInstrumentationAllowed())
        m_views.switchView(ViewId::Preferences);
}

void ShellCommands::measurementSummary() {
    if (!m_document.audiometerTestStarted()) {
        m_messages.show(QStringLiteral("No audiometer measurement started."));
        return;
    }
    if (leaveInstrumentationAllowed())
        m_views.switchView(ViewId::Summary);
}

bool ShellCommands::mayClose() {
    if (m_views.busy().refuse(m_messages) || !leaveInstrumentationAllowed())
        return false;
    if (m_views.current() == ViewId::Summary && m_document.isModified())
        m_host.storeSummaryFields();
    return m_document.offerSaveBeforeClosing();
}

void ShellCommands::storedMeasurements(const std::function<Retrieved()>& browse) {
    // Nothing to search without a database: say so once, instead of once per page of the sheet.
    if (!m_document.hasDatabase()) {
        m_messages.show(QStringLiteral("The database is not available."));
        return;
    }
    const Retrieved retrieved = browse();
    if (retrieved.audiometric) {
        m_document.markTestStarted();
        m_views.switchView(ViewId::Summary);
    } else if (retrieved.booth) {
        m_views.switchView(ViewId::Ambient);
    }
}

} // namespace orvik
