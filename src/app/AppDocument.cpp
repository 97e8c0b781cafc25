#include "app/AppDocument.h"

#include "app/PumpWait.h"
#include "app/Settings.h"
#include "model/AudiometerRecord.h"
#include "model/FixedText.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSqlDatabase>
#include <QSqlError>
#include <QUuid>

Q_LOGGING_CATEGORY(lcDocument, "orvik.document", QtWarningMsg)

namespace orvik {

AppDocument::AppDocument(AppServices services, QString programFolder)
    : m_services(services), m_programFolder(std::move(programFolder)),
      m_connectionName(QStringLiteral("orvik-") + QUuid::createUuid().toString(QUuid::WithoutBraces)),
      m_record(std::make_unique<AudiometerRecord>()) {
    std::memset(m_record.get(), 0, sizeof(AudiometerRecord));
    Setting::DataWasModified.write(m_services.settings, 0);
}

AppDocument::~AppDocument() { closeDatabase(); }

void AppDocument::startUp() {
    m_preferences = Preferences::read(m_services.settings, m_programFolder);
    if (!m_databaseOverride.isEmpty()) {
        const QFileInfo named(m_databaseOverride);
        m_preferences.databaseDir = named.absolutePath();
        m_preferences.databaseName = named.fileName();
    }
    const QString path = m_preferences.databasePath();
    PumpWait(m_services.clock, StartupWaitSeconds);
    if (!openDatabase(path)) {
        closeDatabase();
        m_services.messageBox.show(
            QStringLiteral("Could not open the last used or default database: %1.\nTry File/Change Database")
                .arg(QDir::toNativeSeparators(path)));
    }
}

void AppDocument::shutDown() {
    writePreferences();
    Setting::DataWasModified.write(m_services.settings, 0);
}

bool AppDocument::openDatabase(const QString& path) {
    const QFileInfo file(path);
    if (!file.exists() && m_databaseOverride.isEmpty()) {
        const MessageAnswer create = m_services.messageBox.show(
            QStringLiteral("Database %1 doesn't exist.  Do you want to create a new database (Yes)? \n"
                           " Or open an existing database (No, use File/ChangeDatabase)?")
                .arg(QDir::toNativeSeparators(path)),
            MessageButtons::YesNo);
        if (create != MessageAnswer::Yes)
            return false;
    }
    if (!QDir().mkpath(file.absolutePath()))
        return false;
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    db.setDatabaseName(path);
    m_databaseOpen = db.open();
    if (!m_databaseOpen)
        qCWarning(lcDocument) << "open failed:" << path << db.lastError().text();
    return m_databaseOpen;
}

void AppDocument::closeDatabase() {
    if (!QSqlDatabase::contains(m_connectionName))
        return;
    QSqlDatabase::database(m_connectionName, false).close();
    QSqlDatabase::removeDatabase(m_connectionName);
    m_databaseOpen = false;
}

bool AppDocument::equipmentDefined() const {
    return hasInstrument(RequiredInstrument::SoundLevelMeter) || hasInstrument(RequiredInstrument::Calibrator) ||
           hasInstrument(RequiredInstrument::Microphone) || hasInstrument(RequiredInstrument::Preamp);
}

bool AppDocument::hasInstrument(RequiredInstrument) const { return false; }

void AppDocument::setModified(bool modified) {
    m_modified = modified;
    Setting::DataWasModified.write(m_services.settings, modified ? 1 : 0);
}

void AppDocument::newMeasurement() {
    std::memset(m_record.get(), 0, sizeof(AudiometerRecord));
    const QDate today = QDate::currentDate();
    setFixedText(m_record->setup.testDate, QStringLiteral("%1-%2-%3")
                                               .arg(today.year(), 4, 10, QLatin1Char(' '))
                                               .arg(today.month(), 2, 10, QLatin1Char('0'))
                                               .arg(today.day(), 2, 10, QLatin1Char('0')));
    m_record->setup.dataVersion = DataVersion;
    m_testStarted = true;
    setModified(false);
}

void AppDocument::saveRecord() {
    m_services.messageBox.show(QStringLiteral("Saving tests to the database is not available in this version."));
}

void AppDocument::changeDatabase() {
    m_services.messageBox.show(QStringLiteral("Changing the database is not available in this version."));
}

void AppDocument::writePreferences() {
    m_preferences.write(m_services.settings);
    m_preferences.loaded = true;
}

int AppDocument::testStatus(int, int) const { return 0; }

bool AppDocument::measurementSelected(int row, int column) const {
    if (row < 0 || row >= SelectionRows || column < 0 || column >= SelectionColumns)
        return false;
    return m_selection[static_cast<std::size_t>(row * SelectionColumns + column)];
}

void AppDocument::setMeasurementSelected(int row, int column, bool selected) {
    if (row >= 0 && row < SelectionRows && column >= 0 && column < SelectionColumns)
        m_selection[static_cast<std::size_t>(row * SelectionColumns + column)] = selected;
}

void AppDocument::addTechnician(const QString& name) {
    m_technicians.removeAll(name);
    m_technicians.prepend(name);
}

} // namespace orvik
