#pragma once

#include "ambient/AmbientRecord.h"
#include "ambient/BoothStore.h"
#include "core/AppServices.h"
#include "core/Preferences.h"
#include "database/Database.h"
#include "database/RowId.h"
#include "equipment/InstrumentLists.h"
#include "model/AudiometerRecord.h"

#include <QDate>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

namespace orvik {

class TableCursor;

// The program's one document: the current audiometer record and its comparison buffer, the booth record, the
// instrument lists, the preferences and the database with its recordsets. Every question goes through the
// message box seam; every engine failure is reported there and leaves the document without a database or with
// the previous one, never with a half-open one.
class Document {
public:
    Document(AppServices services, QString programFolder);
    ~Document();
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    // ---- Start-up and the database file ----
    // First call: reads the preferences, waits 2 s pumping messages, opens the last used database, checks its
    // version and loads the instrument lists. Later calls start a new record.
    void onNewDocument();
    // Opens (and with mayCreate, offers to create) a database file; false after a reported failure.
    bool openDatabase(const QString& path, bool mayCreate);
    // Opens a database file only to read it: never created, converted or given a missing table.
    bool openDatabaseReadOnly(const QString& path);
    // Creates a new database file without asking; an existing file is refused.
    bool createDatabase(const QString& path);
    // Opens the file, or creates it without asking when there is none yet (".mdb" added as the program adds
    // it): what a command that stores a measurement does on a lab's first run, with nobody to ask.
    bool openOrCreateDatabase(const QString& path);
    // Reads and checks the schema version, converting 1..6 up to 7 (refused when read-only), then opens the
    // recordsets; -1 on failure (reported), with the database closed.
    int checkDatabaseVersion();
    // "&Change Database...", before the technician names the new file: refuses an over-long stored name and
    // offers to save the current test first. False: the change does not go ahead.
    bool mayChangeDatabase();
    // Then opens the named file (creating it when asked to), falling back to the previous file when it fails.
    bool connectDatabase(const QString& newPath);
    void closeDatabase();
    bool hasDatabase() const;
    Database& database() { return *m_db; }
    QString databasePath() const { return m_preferences.databasePath(); }
    // The full path an open uses for a name: ".mdb" appended when missing.
    static QString withMdbExtension(const QString& path);

    // ---- The audiometer record ----
    AudiometerRecord& record() { return *m_record; }
    const AudiometerRecord& record() const { return *m_record; }
    AudiometerRecord& comparisonRecord() { return *m_comparison; }
    // "New Measurement": offers to save a modified record first; false when that was cancelled.
    bool newMeasurement();
    // An all-zero record dated today with this program's data version and the remembered input levels; the
    // booth record is cleared too.
    void newRecord();
    bool isModified() const { return m_modified; }
    void setModified(bool modified);
    bool recordFromDatabase() const { return m_recordFromDatabase; }
    // The set-up as last loaded or saved (detects a changed technician or date), and as last loaded.
    const TestSetup& savedSetup() const { return *m_savedSetup; }
    const TestSetup& loadedSetup() const { return *m_loadedSetup; }

    enum class SaveResult { Saved, Stopped, Failed };
    SaveResult saveRecord();
    // The Id of the row the last successful save wrote; 0 before one.
    RowId savedRecordId() const { return m_savedRecordId; }
    bool loadRecord(RowId id);
    bool loadComparisonRecord(RowId id);

    // The questions before leaving a modified record; false when the technician cancelled or the save failed.
    enum class LeaveReason { CloseOrNew, LoadAnother, ChangeDatabase };
    bool offerSave(LeaveReason reason);

    // ---- The booth record ----
    AmbientRecord& ambientRecord() { return m_ambient; }
    bool ambientPresent() const { return m_ambientPresent; }
    bool ambientFromDatabase() const { return m_ambientFromDatabase; }
    void resetAmbientState(); // "Booth Test...": no booth record, none loaded
    void setAmbientPresent(bool present) { m_ambientPresent = present; }
    // Whether a stored booth test has this name; nullopt after a reported failure.
    std::optional<bool> ambientTestNameUsed(const QString& testName);
    // Stores the booth record under its test name: replaces the row of that name (only when mayReplace) or adds
    // one.
    BoothStore::StoreResult saveAmbientRecord(bool mayReplace = true);
    bool loadAmbientRecord(RowId id);

    // ---- Instruments ----
    InstrumentLists& instruments() { return m_instruments; }
    // Changed: the lists changed since they were read, the others as stored now (another desk may have written
    // them); All: every list as held here, as when the lists are carried to another database.
    enum class ListsToWrite { Changed, All };
    bool writeEquipmentLists(ListsToWrite which = ListsToWrite::Changed);
    bool readEquipmentLists();
    bool equipmentDefined() const { return m_equipmentDefined; }
    void setEquipmentDefined(bool defined) { m_equipmentDefined = defined; }

    // ---- Other document state ----
    Preferences& preferences() { return m_preferences; }
    bool calibrationChecked() const { return m_calibrationChecked; }
    void setCalibrationChecked(bool checked) { m_calibrationChecked = checked; }
    // The model of the microphone the last meter calibration check was made with; empty before any check.
    const QString& calibratedMicrophoneModel() const { return m_calibratedMicrophoneModel; }
    void setCalibratedMicrophoneModel(const QString& model) { m_calibratedMicrophoneModel = model; }
    // The conditions of the maker's own mastoid were asked in this session.
    bool conditionsAsked() const { return m_conditionsAsked; }
    void setConditionsAsked(bool asked) { m_conditionsAsked = asked; }
    QStringList& technicians() { return m_technicians; }
    void addTechnician(const QString& name); // new entries go to the head of the list

    // The rebuild of the earphone list, which another subsystem owns, after every read of the instrument lists.
    std::function<void()> rebuildEarphoneList;
    // The day a new record gets; the clock of the machine unless a test sets another.
    std::function<QDate()> today = [] { return QDate::currentDate(); };

private:
    friend class DatabaseConversion;
    std::optional<QString> fullPathOf(const QString& path);
    enum class WhenMissing { Refuse, Ask, Create };
    bool openFile(const QString& fullPath, OpenMode mode, WhenMissing missing);
    bool createDatabaseFile(const QString& path);
    bool reportOpenFailure(const QString& path, const DatabaseError& e);
    bool openRecordsets();
    int readSchemaVersion();
    bool convertDatabase(int fromVersion);
    bool loadInto(AudiometerRecord& target, RowId id);
    void tookFromDatabase();

    AppServices m_services;
    QString m_programFolder;
    bool m_firstNewDocument = true;

    std::unique_ptr<Database> m_db;
    std::unique_ptr<TableCursor> m_audTests;
    std::unique_ptr<TableCursor> m_ambientTests;
    std::unique_ptr<TableCursor> m_equipment;

    std::unique_ptr<AudiometerRecord> m_record;
    std::unique_ptr<AudiometerRecord> m_comparison;
    std::unique_ptr<TestSetup> m_savedSetup;
    std::unique_ptr<TestSetup> m_loadedSetup;
    bool m_modified = false;
    bool m_recordFromDatabase = false;
    RowId m_savedRecordId = 0;

    AmbientRecord m_ambient;
    bool m_ambientPresent = false;
    bool m_ambientFromDatabase = false;

    InstrumentLists m_instruments;
    InstrumentLists m_instrumentsAsRead; // as last read or written: what this desk changed since
    bool m_equipmentDefined = false;
    bool m_calibrationChecked = false;
    QString m_calibratedMicrophoneModel;
    bool m_conditionsAsked = false;
    Preferences m_preferences;
    QStringList m_technicians;
};

} // namespace orvik
