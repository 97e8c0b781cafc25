#include "database/Document.h"

#include "core/PumpWait.h"
#include "core/ServerLocation.h"
#include "core/Settings.h"
#include "database/DatabaseConversion.h"
#include "database/EngineDate.h"
#include "database/NoDatabaseMessage.h"
#include "database/ServerAddress.h"
#include "database/StoredBlock.h"
#include "database/TableCursor.h"
#include "model/FixedText.h"
#include "model/InputLevelSettings.h"

#include <QFileInfo>
#include <cstring>

namespace orvik {

namespace {
constexpr int MaxPathLength = 251;

// A database as messages name it: a server's address never with its password.
QString shownLocation(const QString& location) {
    if (!isServerLocation(location))
        return location;
    const auto address = ServerAddress::parse(location);
    return address ? address->uri() : location;
}

QVariant engineDateOf(const QString& recordDate) {
    const auto date = parseRecordDate(recordDate);
    return date ? QVariant(engineDate(*date)) : QVariant();
}
} // namespace

Document::Document(AppServices services, QString programFolder)
    : m_services(services), m_programFolder(std::move(programFolder)), m_db(std::make_unique<Database>()),
      m_record(std::make_unique<AudiometerRecord>()), m_comparison(std::make_unique<AudiometerRecord>()),
      m_savedSetup(std::make_unique<TestSetup>()), m_loadedSetup(std::make_unique<TestSetup>()),
      m_ambient(clearedAmbientRecord()) {
    std::memset(m_record.get(), 0, sizeof(AudiometerRecord));
    std::memset(m_comparison.get(), 0, sizeof(AudiometerRecord));
    std::memset(m_savedSetup.get(), 0, sizeof(TestSetup));
    std::memset(m_loadedSetup.get(), 0, sizeof(TestSetup));
    Setting::DataWasModified.write(m_services.settings, 0);
}

Document::~Document() = default;

// ---- Start-up and the database file ----

void Document::onNewDocument() {
    if (!m_firstNewDocument) {
        newRecord();
        return;
    }
    m_firstNewDocument = false;
    m_preferences = Preferences::read(m_services.settings, m_programFolder);
    const QString path = m_preferences.databasePath();
    PumpWait(m_services.clock, 2.0);
    if (!openDatabase(path, true)) {
        m_services.messageBox.show(
            QStringLiteral("Could not open the last used or default database: %1.\nTry File/Change Database")
                .arg(path));
        closeDatabase();
    } else if (checkDatabaseVersion() < 0) {
        m_preferences.databaseName.clear();
    } else {
        readEquipmentLists();
    }
    newRecord();
}

QString Document::withMdbExtension(const QString& path) {
    return path.endsWith(QStringLiteral(".mdb"), Qt::CaseInsensitive) ? path : path + QStringLiteral(".mdb");
}

bool Document::hasDatabase() const {
    return m_db->isOpen();
}

void Document::closeDatabase() {
    m_audTests.reset();
    m_ambientTests.reset();
    m_equipment.reset();
    m_db->close();
}

std::optional<QString> Document::fullPathOf(const QString& path) {
    if (isServerLocation(path))
        return path.trimmed();
    if (path.size() > MaxPathLength) {
        m_services.messageBox.show(QStringLiteral("Database full path name too long"));
        return std::nullopt;
    }
    return withMdbExtension(path);
}

bool Document::openDatabase(const QString& path, bool mayCreate) {
    const auto fullPath = fullPathOf(path);
    return fullPath && openFile(*fullPath, OpenMode::ReadWrite, mayCreate ? WhenMissing::Ask : WhenMissing::Refuse);
}

bool Document::openDatabaseReadOnly(const QString& path) {
    const auto fullPath = fullPathOf(path);
    return fullPath && openFile(*fullPath, OpenMode::ReadOnly, WhenMissing::Refuse);
}

bool Document::createDatabase(const QString& path) {
    const auto fullPath = fullPathOf(path);
    if (!fullPath)
        return false;
    closeDatabase();
    return createDatabaseFile(*fullPath);
}

bool Document::openOrCreateDatabase(const QString& path) {
    if (isServerLocation(path))
        return openFile(path.trimmed(), OpenMode::ReadWrite, WhenMissing::Create);
    const QString file = withMdbExtension(QFileInfo(path).absoluteFilePath());
    return QFileInfo::exists(file) ? openDatabase(file, false) : createDatabase(file);
}

bool Document::openFile(const QString& fullPath, OpenMode mode, WhenMissing missing) {
    closeDatabase();
    if (mode == OpenMode::ReadWrite && !isServerLocation(fullPath))
        DatabaseConversion::finishInterruptedSwap(fullPath);
    try {
        m_db->open(fullPath, mode);
        return true;
    } catch (const DatabaseError& e) {
        if (e.code() != DatabaseErrorCode::FileNotFound || missing == WhenMissing::Refuse)
            return reportOpenFailure(fullPath, e);
    }
    if (missing == WhenMissing::Create)
        return createDatabaseFile(fullPath);
    const QString question = QStringLiteral("Database %1 doesn't exist.  Do you want to create a new database (Yes)? "
                                            "\n Or open an existing database (No, use File/ChangeDatabase)?")
                                 .arg(shownLocation(fullPath));
    return m_services.messageBox.show(question, MessageButtons::YesNo) == MessageAnswer::Yes &&
           createDatabaseFile(fullPath);
}

bool Document::createDatabaseFile(const QString& path) {
    try {
        m_db->create(path);
        return true;
    } catch (const DatabaseError& e) {
        return reportOpenFailure(path, e);
    }
}

bool Document::reportOpenFailure(const QString& path, const DatabaseError& e) {
    closeDatabase();
    const QString shown = shownLocation(path);
    if (e.text().isEmpty())
        m_services.messageBox.show(QStringLiteral("Could not open %1 database -- unknown cause.").arg(shown));
    else
        m_services.messageBox.show(QStringLiteral("Couldn't open database %1 --Exception: %2").arg(shown, e.text()));
    return false;
}

int Document::readSchemaVersion() {
    try {
        return m_db->readSchemaVersion();
    } catch (const DatabaseError& e) {
        if (e.code() != DatabaseErrorCode::ItemNotFound) {
            m_services.messageBox.show(withException(QStringLiteral("Couldn't open Schema Recordset "), e));
            return -1;
        }
    }
    // Any SQLite file opens; without a Schema table it was never one of ours, and looking must not make it one.
    if (m_db->isReadOnly()) {
        m_services.messageBox.show(QStringLiteral("%1 is not an Orvik database.").arg(m_db->path()));
        return -1;
    }
    try {
        m_db->createSchemaTable();
        return m_db->readSchemaVersion();
    } catch (const DatabaseError&) {
        m_services.messageBox.show(QStringLiteral("Could not create the Schema table"));
        return -1;
    }
}

int Document::checkDatabaseVersion() {
    const int version = readSchemaVersion();
    bool usable = false;
    if (version == 0) {
        m_services.messageBox.show(QStringLiteral("Database is not compatible with this version of Orvik.\n"
                                                  "Try a different Database using File/Change Database"));
    } else if (version > CurrentSchemaVersion) {
        m_services.messageBox.show(QStringLiteral("Data in database has newer version than software supports.\n"
                                                  "Try a different Database using File/Change Database"));
    } else if (version > 0 && version < CurrentSchemaVersion && m_db->isReadOnly()) {
        m_services.messageBox.show(
            QStringLiteral("Database %1 has version %2 and must be converted before it can be read.\n"
                           "It was opened read-only and left unchanged.")
                .arg(m_db->path())
                .arg(version));
    } else if (version > 0 && version < CurrentSchemaVersion && m_db->engine() == Engine::Server) {
        // Conversion works on files (a converted copy beside the old one); a server holds version 7 only.
        m_services.messageBox.show(
            QStringLiteral("Database %1 has version %2 and must be converted before it can be read.\n"
                           "Convert it as a database file, then copy that file to the server "
                           "(orvik-cli db copy).")
                .arg(m_db->path())
                .arg(version));
    } else if (version > 0 && version < CurrentSchemaVersion) {
        usable = convertDatabase(version);
    } else {
        usable = version == CurrentSchemaVersion;
    }
    if (usable && !openRecordsets()) {
        m_services.messageBox.show(
            QStringLiteral("Could not open Recordsets to Database, try opening a different one."));
        usable = false;
    }
    if (!usable) {
        closeDatabase();
        return -1;
    }
    return 0;
}

bool Document::convertDatabase(int fromVersion) {
    DatabaseConversion conversion(m_services, *m_db);
    return conversion.run(fromVersion);
}

bool Document::openRecordsets() {
    try {
        m_audTests =
            std::make_unique<TableCursor>(*m_db, Table::AudTestMeasurements, TableColumns::AudTestMeasurements);
        m_ambientTests =
            std::make_unique<TableCursor>(*m_db, Table::AmbientMeasurements, TableColumns::AmbientMeasurements);
        m_equipment = std::make_unique<TableCursor>(*m_db, Table::EquipmentList, QStringList{});
        m_audTests->open(OpenType::Table);
        m_ambientTests->open(OpenType::Dynaset);
        m_equipment->open(OpenType::Dynaset);
        return true;
    } catch (const DatabaseError&) {
        m_audTests.reset();
        m_ambientTests.reset();
        m_equipment.reset();
        return false;
    }
}

bool Document::mayChangeDatabase() {
    if (!isServerLocation(m_preferences.databaseName) &&
        m_preferences.databaseDir.size() + m_preferences.databaseName.size() > MaxPathLength) {
        m_services.messageBox.show(QStringLiteral("Database name is too long."));
        return false;
    }
    return offerSave(LeaveReason::ChangeDatabase);
}

bool Document::connectDatabase(const QString& newPath) {
    const QString previous = m_db->isOpen() ? m_db->path() : QString();
    const bool listsHeld = !m_instruments.isEmpty();
    // A file the version check refuses is as unusable as one that does not open: both keep the old file.
    if (!openDatabase(newPath, true) || checkDatabaseVersion() < 0) {
        m_services.messageBox.show(QStringLiteral("Could not Open New database, keeping old"));
        if (previous.isEmpty() || !openDatabase(previous, false) || checkDatabaseVersion() < 0)
            // Verbatim, doubled blank and "Files/" included: technicians know the message as it stands.
            m_services.messageBox.show(QStringLiteral(
                "Could  not open Previous Database!\n Select a different database using Files/Change Database"));
        return false;
    }
    if (m_db->engine() == Engine::Server) {
        m_preferences.databaseName = m_db->path(); // the address without its password
    } else {
        const QFileInfo opened(m_db->path());
        m_preferences.databaseDir = opened.absolutePath() + u'/';
        m_preferences.databaseName = opened.fileName();
    }
    if (listsHeld &&
        m_services.messageBox.show(QStringLiteral("Save previous Database Equipment lists to new database?"),
                                   MessageButtons::YesNo) == MessageAnswer::Yes)
        return writeEquipmentLists(ListsToWrite::All);
    return readEquipmentLists();
}

// ---- The audiometer record ----

void Document::setModified(bool modified) {
    m_modified = modified;
    Setting::DataWasModified.write(m_services.settings, modified ? 1 : 0);
}

void Document::newRecord() {
    startNewRecord(*m_record, today());
    InputLevelSettings::load(m_record->results.inputLevels, m_services.settings);
    *m_savedSetup = m_record->setup;
    *m_loadedSetup = m_record->setup;
    m_recordFromDatabase = false;
    m_modified = false;
    m_ambient = clearedAmbientRecord();
    m_ambientPresent = false;
    m_ambientFromDatabase = false;
}

bool Document::newMeasurement() {
    if (!offerSave(LeaveReason::CloseOrNew))
        return false;
    newRecord();
    return true;
}

bool Document::offerSave(LeaveReason reason) {
    if (!m_modified)
        return true;
    const QString question = reason == LeaveReason::CloseOrNew
                                 ? QStringLiteral("Save the modified measurements to the database?")
                             : reason == LeaveReason::LoadAnother
                                 ? QStringLiteral("Save the modified measurements to the current database first?")
                                 : QStringLiteral("Save new measurements to the current database first?");
    const MessageAnswer answer = m_services.messageBox.show(question, MessageButtons::YesNoCancel);
    if (answer == MessageAnswer::Cancel)
        return false;
    return answer == MessageAnswer::No || saveRecord() == SaveResult::Saved;
}

Document::SaveResult Document::saveRecord() {
    const TestSetup& setup = m_record->setup;
    if (!hasDatabase()) {
        m_services.messageBox.show(noDatabaseMessage(QStringLiteral("saving a test!")));
        return SaveResult::Stopped;
    }
    // The date is part of the row's identity: a row without one is never found again, so every later save
    // would add another.
    const auto testDate = parseRecordDate(fixedText(setup.testDate));
    if (!testDate) {
        m_services.messageBox.show(
            QStringLiteral("The test date \"%1\" is not a valid date.\nCorrect it in the Measurement Summary and "
                           "save again.")
                .arg(fixedText(setup.testDate)));
        return SaveResult::Stopped;
    }
    bool asked = false;
    bool asNewRow = false;
    if (m_recordFromDatabase) {
        const bool identityChanged = fixedText(setup.technician) != fixedText(m_savedSetup->technician) ||
                                     fixedText(setup.testDate) != fixedText(m_savedSetup->testDate);
        if (identityChanged) {
            const MessageAnswer answer = m_services.messageBox.show(
                QStringLiteral("The Technician and/or Test Date has changed.\nDo you wish to replace the existing "
                               "measurement record in the database?\n(Clicking No will create a new measurement "
                               "record in the database.)"),
                MessageButtons::YesNoCancel);
            if (answer == MessageAnswer::Cancel)
                return SaveResult::Stopped;
            asNewRow = answer == MessageAnswer::No;
            asked = true;
        } else if (m_modified) {
            // Two blanks here and one in the question below: both texts are kept as technicians know them.
            if (m_services.messageBox.show(
                    QStringLiteral("Saving measurement will overwrite previous values.  Continue?"),
                    MessageButtons::YesNo) != MessageAnswer::Yes)
                return SaveResult::Stopped;
            asked = true;
        }
    }
    Setting::DataWasModified.write(m_services.settings, 0);
    const QString technician = fixedText(setup.technician);
    const QString serial = fixedText(setup.audSerialNumber);
    const QString model = fixedText(setup.audModel);
    if (technician.isEmpty() || serial.isEmpty() || model.isEmpty()) {
        m_services.messageBox.show(QStringLiteral("You must select a Technician and an Instrument."));
        return SaveResult::Stopped;
    }
    const TestSetup& lookup = asNewRow || !m_recordFromDatabase ? setup : *m_savedSetup;
    const SearchFilter identity = SearchFilter()
                                   .equals(QStringLiteral("SerialNum"), serial)
                                   .equals(QStringLiteral("ModelNum"), model)
                                   .equals(QStringLiteral("Technician"), fixedText(lookup.technician))
                                   .equals(QStringLiteral("Date"), engineDateOf(fixedText(lookup.testDate)));
    const QByteArray block = toStoredBlock(m_record.get(), sizeof(AudiometerRecord));

    // "Audiomentric" is the message as technicians know it; kept verbatim.
    const QString failure = QStringLiteral("Couldn't open Audiomentric Cal Measurements Recordset");
    // The lookup and the write are one transaction holding the audiometer's lock, so a colleague saving the same
    // test at the same moment from another desk comes second and finds this row. The overwrite question is asked
    // outside the transaction and the lookup made again after it: the answer holds for the row it was asked
    // about, and a row that appeared meanwhile is asked about in turn.
    std::optional<RowId> agreedRow;
    for (;;) {
        TableCursor rows(*m_db, Table::AudTestMeasurements, TableColumns::AudTestMeasurements);
        try {
            m_db->beginTransaction();
            m_db->lockKey(QStringLiteral("audiometer\n%1\n%2").arg(serial, model));
            rows.open(OpenType::Dynaset, identity);
            const bool found = rows.recordCount() > 0;
            if (found && !asNewRow && m_modified && !asked && agreedRow != rows.id()) {
                agreedRow = rows.id();
                m_db->rollback();
                // One blank, unlike the question above; kept verbatim.
                if (m_services.messageBox.show(
                        QStringLiteral("Saving measurement will overwrite previous values. Continue?"),
                        MessageButtons::YesNo) != MessageAnswer::Yes) {
                    setModified(false);
                    return SaveResult::Stopped;
                }
                continue;
            }
            if (found && !asNewRow)
                rows.edit();
            else
                rows.addNew();
            rows.setData(block);
            rows.setValue(QStringLiteral("Technician"), technician);
            rows.setValue(QStringLiteral("ModelNum"), model);
            rows.setValue(QStringLiteral("SerialNum"), serial);
            rows.setValue(QStringLiteral("ChannelNum"), static_cast<int>(setup.channelToTest));
            rows.setValue(QStringLiteral("Date"), engineDate(*testDate));
            const RowId saved = rows.update();
            m_db->commit();
            m_savedRecordId = saved;
            break;
        } catch (const DatabaseError& e) {
            m_db->rollback();
            m_services.messageBox.show(withException(failure, e));
            return SaveResult::Failed;
        }
    }
    *m_savedSetup = setup;
    m_recordFromDatabase = true;
    setModified(false);
    InputLevelSettings::save(m_record->results.inputLevels, m_services.settings);
    return SaveResult::Saved;
}

bool Document::loadInto(AudiometerRecord& target, RowId id) {
    TableCursor rows(*m_db, Table::AudTestMeasurements, TableColumns::AudTestMeasurements);
    QByteArray block;
    try {
        rows.open(OpenType::Dynaset, SearchFilter::byId(id));
        block = rows.data();
    } catch (const DatabaseError& e) {
        m_services.messageBox.show(
            withException(QStringLiteral("Couldn't Find Audiometric Cal Measurements with %1 index").arg(id), e));
        return false;
    }
    const auto record = audiometerRecordFromBlock(block);
    if (!record) {
        m_services.messageBox.show(
            QStringLiteral("Could not create Audiometric Cal measurement blobFile from database"));
        return false;
    }
    target = *record;
    return true;
}

bool Document::loadRecord(RowId id) {
    if (!loadInto(*m_record, id))
        return false;
    *m_savedSetup = m_record->setup;
    *m_loadedSetup = m_record->setup;
    m_recordFromDatabase = true;
    setModified(false);
    return true;
}

bool Document::loadComparisonRecord(RowId id) {
    return loadInto(*m_comparison, id);
}

// ---- The booth record ----

void Document::resetAmbientState() {
    m_ambientPresent = false;
    m_ambientFromDatabase = false;
}

std::optional<bool> Document::ambientTestNameUsed(const QString& testName) {
    try {
        TableCursor rows(*m_db, Table::AmbientMeasurements, TableColumns::AmbientMeasurements);
        // The name as the record's field will keep it: that is what a save would store and look for.
        rows.open(OpenType::Dynaset, SearchFilter().equals(QStringLiteral("TestName"),
                                                           fittedFixedText(testName, sizeof m_ambient.testName)));
        return rows.recordCount() > 0;
    } catch (const DatabaseError& e) {
        m_services.messageBox.show(withException(QStringLiteral("Couldn't open Booth Measurements Recordset"), e));
        return std::nullopt;
    }
}

BoothStore::StoreResult Document::saveAmbientRecord(bool mayReplace) {
    using Result = BoothStore::StoreResult;
    const QString testName = fixedText(m_ambient.testName);
    try {
        // The name's lock makes the lookup and the write one step against another desk saving the same name; the
        // engine's unique name stops any writer that does not take the lock.
        m_db->beginTransaction();
        m_db->lockKey(QStringLiteral("booth\n") + testName);
        TableCursor rows(*m_db, Table::AmbientMeasurements, TableColumns::AmbientMeasurements);
        rows.open(OpenType::Dynaset, SearchFilter().equals(QStringLiteral("TestName"), testName));
        const bool found = rows.recordCount() > 0;
        if (found && !mayReplace) {
            m_db->rollback();
            return Result::NameTaken;
        }
        if (found)
            rows.edit();
        else
            rows.addNew();
        rows.setData(toStoredBlock(&m_ambient, sizeof m_ambient));
        rows.setValue(QStringLiteral("TestName"), testName);
        rows.setValue(QStringLiteral("Date"), engineDateOf(fixedText(m_ambient.measurementDate)));
        rows.setValue(QStringLiteral("Customer"), fixedText(m_ambient.customerName));
        rows.setValue(QStringLiteral("Booth"), fixedText(m_ambient.booth));
        rows.update();
        m_db->commit();
    } catch (const DatabaseError& e) {
        m_db->rollback();
        if (e.code() == DatabaseErrorCode::DuplicateKey && !mayReplace)
            return Result::NameTaken;
        m_services.messageBox.show(withException(QStringLiteral("Couldn't open Ambient Measurements Recordset"), e));
        return Result::Failed;
    }
    m_ambientPresent = true;
    m_ambientFromDatabase = true;
    return Result::Stored;
}

bool Document::loadAmbientRecord(RowId id) {
    QByteArray block;
    try {
        TableCursor rows(*m_db, Table::AmbientMeasurements, TableColumns::AmbientMeasurements);
        rows.open(OpenType::Dynaset, SearchFilter::byId(id));
        block = rows.data();
    } catch (const DatabaseError& e) {
        m_services.messageBox.show(
            withException(QStringLiteral("Couldn't Find Ambient Measurement with %1 index").arg(id), e));
        return false;
    }
    const auto record = ambientRecordFromBlock(block);
    if (!record) {
        m_services.messageBox.show(QStringLiteral("Could not create Ambient blobFile from database"));
        return false;
    }
    m_ambient = *record;
    m_ambientPresent = true;
    m_ambientFromDatabase = true;
    return true;
}

// ---- Instruments ----

bool Document::writeEquipmentLists(ListsToWrite which) {
    const QString failure = QStringLiteral("Couldn't open Equipment List Recordset");
    InstrumentLists written;
    try {
        // Another desk may have written the lists since this one read them: under the lists' lock, read what is
        // stored and keep the lists this desk did not change as they are stored now.
        m_db->beginTransaction();
        m_db->lockKey(QStringLiteral("equipment"));
        TableCursor rows(*m_db, Table::EquipmentList, {});
        rows.open(OpenType::Dynaset);
        const bool found = rows.recordCount() > 0;
        InstrumentLists stored = m_instrumentsAsRead;
        if (found) {
            const auto entries = equipmentEntriesOfBlock(rows.data());
            if (entries)
                stored = InstrumentLists::fromBlock(entries->constData(), entries->size());
            rows.edit();
        } else {
            rows.addNew();
        }
        written = which == ListsToWrite::All ? m_instruments
                                             : InstrumentLists::merged(m_instruments, m_instrumentsAsRead, stored);
        rows.setData(storedHeader() + written.toBlock());
        rows.update();
        m_db->commit();
    } catch (const DatabaseError& e) {
        m_db->rollback();
        m_services.messageBox.show(withException(failure, e));
        return false;
    }
    const bool othersChanged = !(written == m_instruments);
    m_instruments = written;
    m_instrumentsAsRead = written;
    m_equipmentDefined = !m_instruments.isEmpty();
    if (othersChanged && rebuildEarphoneList)
        rebuildEarphoneList();
    return true;
}

bool Document::readEquipmentLists() {
    QByteArray block;
    try {
        TableCursor rows(*m_db, Table::EquipmentList, {});
        rows.open(OpenType::Dynaset);
        if (rows.recordCount() > 0)
            block = rows.data();
    } catch (const DatabaseError& e) {
        m_services.messageBox.show(withException(QStringLiteral("Couldn't open Equipment List Recordset"), e));
        return false;
    }
    if (block.isEmpty()) {
        m_instruments.clear();
    } else {
        const auto entries = equipmentEntriesOfBlock(block);
        if (!entries) {
            m_services.messageBox.show(QStringLiteral("Could not create Equipment List blobFile from database"));
            return false;
        }
        m_instruments = InstrumentLists::fromBlock(entries->constData(), entries->size());
    }
    m_instrumentsAsRead = m_instruments;
    m_equipmentDefined = !m_instruments.isEmpty();
    if (rebuildEarphoneList)
        rebuildEarphoneList();
    return true;
}

void Document::addTechnician(const QString& name) {
    m_technicians.removeAll(name);
    m_technicians.prepend(name);
}

} // namespace orvik
