#include "database/DatabaseConversion.h"

#include "database/FileSwap.h"
#include "database/OldRecordLayouts.h"
#include "database/StoredBlock.h"
#include "database/TableCursor.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace orvik {

namespace {
const QString Id = QStringLiteral("Id");

// The bytes after the header of an old block, or nothing when the header is not one of ours.
std::optional<QByteArray> payloadOf(const QByteArray& block) {
    if (!block.startsWith("Orvik Version ") || block.size() < StoredHeaderSize)
        return std::nullopt;
    return block.mid(StoredHeaderSize);
}

// The bytes after the header of a record block written by the version being converted. A block kept by an
// earlier step (damaged) carries that step's header and is never mistaken for a record of a later layout.
std::optional<QByteArray> recordPayloadOf(const QByteArray& block, int fromVersion) {
    if (!block.startsWith(OldLayout::header(fromVersion)))
        return std::nullopt;
    return block.mid(StoredHeaderSize);
}
} // namespace

DatabaseConversion::DatabaseConversion(AppServices services, Database& database)
    : m_services(services), m_db(database) {}

void DatabaseConversion::tell(const QString& text) {
    m_services.messageBox.show(text);
}

bool DatabaseConversion::run(int fromVersion) {
    auto progress = m_services.progress.open(QStringLiteral("Converting database to newer data structures"));
    progress->setRange(0, 100);
    progress->setStep(10);
    progress->setPos(0);
    recoverInterruptedStep(m_db.path());
    for (int version = fromVersion; version < CurrentSchemaVersion; ++version) {
        m_damaged = {};
        if (!step(version, *progress))
            return false;
    }
    // Ids are those of the converted file, the ones the browser shows; every step renumbers from 1, so the
    // last step's list is complete.
    reportDamaged(m_damaged.audiometer, QStringLiteral("Audiometric Cal measurements"));
    reportDamaged(m_damaged.ambient, QStringLiteral("Ambient measurements"));
    return true;
}

void DatabaseConversion::reportDamaged(const std::set<RowId>& ids, const QString& what) {
    if (ids.empty())
        return;
    QStringList names;
    for (RowId id : ids)
        names << QString::number(id);
    tell(QStringLiteral("Could not convert the %1 with index %2: their data is damaged.\nThey were kept unchanged "
                        "in the database and cannot be loaded until repaired.")
             .arg(what, names.join(QStringLiteral(", "))));
}

bool DatabaseConversion::step(int fromVersion, ProgressWindow& progress) {
    const QString oldPath = m_db.path();
    const QString conversionPath = QFileInfo(oldPath).absolutePath() + u'/' + ConversionFileName;
    QFile existing(conversionPath);
    if (existing.exists() && !existing.remove()) {
        tell(QStringLiteral("Unable to delete existing conversion database (cause: %1)").arg(existing.error()));
        return false;
    }
    Database target;
    try {
        target.create(conversionPath);
    } catch (const DatabaseError&) {
        tell(QStringLiteral("Unable to open new database to convert database version %1 to version %2.")
                 .arg(fromVersion)
                 .arg(fromVersion + 1));
        return false;
    }
    if (!copyRows(target, fromVersion, progress)) {
        tell(QStringLiteral("Unable to convert database version %1 to version %2.")
                 .arg(fromVersion)
                 .arg(fromVersion + 1));
        target.close();
        QFile::remove(conversionPath);
        return false;
    }
    target.close();
    return replaceOldFile(conversionPath, fromVersion);
}

bool DatabaseConversion::copyRows(Database& target, int fromVersion, ProgressWindow& progress) {
    // One transaction for the whole copy: an interrupted step leaves an empty conversion file, never half a one.
    target.beginTransaction();
    progress.setStatus(QStringLiteral("Converting Audiometric measurement data"));
    bool copied = copyAudiometerRows(target, fromVersion);
    progress.stepIt();
    if (copied) {
        progress.setStatus(QStringLiteral("Converting Ambient measurement data"));
        copied = copyAmbientRows(target, fromVersion);
        progress.stepIt();
    }
    if (copied) {
        progress.setStatus(QStringLiteral("Converting Equipment List"));
        copied = copyEquipmentList(target, fromVersion);
        progress.stepIt();
    }
    try {
        if (copied) {
            target.writeSchemaVersion(fromVersion + 1);
            target.commit();
        } else {
            target.rollback();
        }
    } catch (const DatabaseError&) {
        return false;
    }
    return copied;
}

bool DatabaseConversion::copyAudiometerRows(Database& target, int fromVersion) {
    TableCursor from(m_db, Table::AudTestMeasurements, TableColumns::AudTestMeasurements);
    TableCursor to(target, Table::AudTestMeasurements, TableColumns::AudTestMeasurements);
    try {
        from.open(OpenType::Table);
        from.recordCount(); // reads the old rows here, where a damaged file is told as a failed conversion
        to.open(OpenType::Table);
    } catch (const DatabaseError& e) {
        tell(withException(QStringLiteral("Couldn't open Audiometer Measurements Recordset"), e));
        return false;
    }
    for (from.moveFirst(); !from.isEOF(); from.moveNext()) {
        try {
            const QByteArray block = from.data();
            const auto payload = recordPayloadOf(block, fromVersion);
            const QByteArray converted =
                payload ? OldLayout::stepAudiometerRecord(fromVersion, *payload) : QByteArray();
            to.addNew();
            for (const QString& column : TableColumns::AudTestMeasurements)
                to.setValue(column, from.value(column));
            const QVariant date = from.value(QStringLiteral("Date"));
            if (!date.isNull())
                to.setValue(QStringLiteral("Date"), OldLayout::stepAudiometerDate(fromVersion, date.toDouble()));
            copyBlock(to, block, converted, fromVersion, m_damaged.audiometer);
        } catch (const DatabaseError& e) {
            tell(withException(QStringLiteral("Couldn't open Audiometer Measurements Recordset"), e));
            return false;
        }
    }
    return true;
}

bool DatabaseConversion::copyAmbientRows(Database& target, int fromVersion) {
    TableCursor from(m_db, Table::AmbientMeasurements, TableColumns::AmbientMeasurements);
    TableCursor to(target, Table::AmbientMeasurements, TableColumns::AmbientMeasurements);
    try {
        from.open(OpenType::Table);
        to.open(OpenType::Table);
        for (from.moveFirst(); !from.isEOF(); from.moveNext()) {
            const QByteArray block = from.data();
            const auto payload = recordPayloadOf(block, fromVersion);
            const QByteArray converted =
                payload ? OldLayout::stepAmbientRecord(fromVersion, *payload,
                                                       from.value(TableColumns::AmbientMeasurements[0]).toString())
                        : QByteArray();
            to.addNew();
            for (const QString& column : TableColumns::AmbientMeasurements)
                to.setValue(column, from.value(column));
            copyBlock(to, block, converted, fromVersion, m_damaged.ambient);
        }
    } catch (const DatabaseError& e) {
        tell(withException(QStringLiteral("Couldn't open Ambient Measurements Recordset"), e));
        return false;
    }
    return true;
}

void DatabaseConversion::copyBlock(TableCursor& to, const QByteArray& oldBlock, const QByteArray& converted,
                                   int fromVersion, std::set<RowId>& damaged) {
    // A block that does not convert is carried over byte for byte (a missing one stays missing): whatever can
    // still be recovered from it is kept, and the load refuses it rather than showing a blank record.
    if (!converted.isEmpty())
        to.setData(OldLayout::header(fromVersion + 1) + converted);
    else if (!oldBlock.isEmpty())
        to.setData(oldBlock);
    const RowId id = to.update();
    if (converted.isEmpty())
        damaged.insert(id);
}

bool DatabaseConversion::copyEquipmentList(Database& target, int fromVersion) {
    TableCursor from(m_db, Table::EquipmentList, {});
    TableCursor to(target, Table::EquipmentList, {});
    try {
        from.open(OpenType::Table);
        from.recordCount(); // as for the measurements: damage is told here, not thrown past the conversion
    } catch (const DatabaseError& e) {
        tell(withException(QStringLiteral("Couldn't open old Equipment List Recordset"), e));
        return false;
    }
    try {
        to.open(OpenType::Table);
    } catch (const DatabaseError& e) {
        tell(withException(QStringLiteral("Couldn't open new equipment list Recordset"), e));
        return false;
    }
    for (from.moveFirst(); !from.isEOF(); from.moveNext()) {
        QByteArray block;
        try {
            block = from.data();
        } catch (const DatabaseError&) {
            tell(QStringLiteral("Could not create Equipment List blobFile from old database"));
            return false;
        }
        const auto payload = payloadOf(block);
        if (!payload) {
            tell(QStringLiteral("Could not create Equipment List blobFile from old database"));
            return false;
        }
        const QByteArray converted = OldLayout::stepEquipmentEntries(fromVersion, *payload);
        if (converted.isEmpty() && !payload->isEmpty()) {
            tell(QStringLiteral("Could not create Equipment List blobFile for new database"));
            return false;
        }
        try {
            to.addNew();
            to.setData(OldLayout::header(fromVersion + 1) + converted);
            to.update();
        } catch (const DatabaseError& e) {
            tell(withException(QStringLiteral("Couldn't open new equipment list Recordset"), e));
            return false;
        }
    }
    return true;
}

QString DatabaseConversion::keptName(const QString& path, int fromVersion) {
    return path + QStringLiteral("VERSION%1").arg(fromVersion);
}

// An earlier conversion's kept file is the technician's; this one is kept beside it under the first free name.
QString DatabaseConversion::freeKeptName(const QString& path, int fromVersion) {
    const QString name = keptName(path, fromVersion);
    QString candidate = name;
    for (int n = 2; QFileInfo::exists(candidate); ++n)
        candidate = name + QStringLiteral("-%1").arg(n);
    return candidate;
}

void DatabaseConversion::recoverInterruptedStep(const QString& path) {
    // A step killed after keeping the old file but before the swap left a second name of the very file that
    // is still the database: it is no kept version yet, so the step is rolled back by removing it.
    for (int version = 1; version < CurrentSchemaVersion; ++version) {
        for (const QFileInfo& kept : QFileInfo(path).dir().entryInfoList(
                 {QFileInfo(keptName(path, version)).fileName() + u'*'}, QDir::Files)) {
            if (FileSwap::sameFile(kept.absoluteFilePath(), path))
                QFile::remove(kept.absoluteFilePath());
        }
    }
}

void DatabaseConversion::finishInterruptedSwap(const QString& path) {
    // Earlier releases renamed the old file aside before moving the converted one in; killed between the two,
    // they left no file under the database's name, a kept old version and the whole converted file.
    const QString conversionPath = QFileInfo(path).absolutePath() + u'/' + ConversionFileName;
    if (QFileInfo::exists(path) || !QFileInfo::exists(conversionPath))
        return;
    for (int version = 1; version < CurrentSchemaVersion; ++version) {
        if (QFileInfo::exists(keptName(path, version))) {
            FileSwap::moveToFreeName(conversionPath, path);
            return;
        }
    }
}

bool DatabaseConversion::replaceOldFile(const QString& conversionPath, int fromVersion) {
    const QString oldPath = m_db.path();
    m_db.close();
    // The old file gets its second name before the converted one takes the first, and that swap is a single
    // rename: the database's name always leads to a whole database, the old or the converted one.
    const QString kept = freeKeptName(oldPath, fromVersion);
    if (const int cause = FileSwap::keepCopy(oldPath, kept)) {
        tell(QStringLiteral("Unable to do first rename after conversion (cause: %1)").arg(cause));
        QFile::remove(conversionPath);
        return false;
    }
    if (const int cause = FileSwap::replace(conversionPath, oldPath)) {
        tell(QStringLiteral("Unable to do second rename after conversion (cause: %1)").arg(cause));
        QFile::remove(kept);
        QFile::remove(conversionPath);
        return false;
    }
    const QString question =
        QStringLiteral("Database was converted to newest version.\nSave old database with name %1?").arg(kept);
    if (m_services.messageBox.show(question, MessageButtons::YesNo) != MessageAnswer::Yes) {
        QFile keptFile(kept);
        if (!keptFile.remove())
            tell(QStringLiteral("Unable to do delete old database after conversion (cause: %1)").arg(keptFile.error()));
    }
    try {
        m_db.open(oldPath);
    } catch (const DatabaseError&) {
        tell(QStringLiteral("Unable to open converted database."));
        return false;
    }
    return true;
}

} // namespace orvik
