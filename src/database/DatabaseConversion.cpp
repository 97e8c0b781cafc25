#include "database/DatabaseConversion.h"

#include "database/OldRecordLayouts.h"
#include "database/StoredBlock.h"
#include "database/TableCursor.h"

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
    for (int version = fromVersion; version < CurrentSchemaVersion; ++version) {
        if (!step(version, *progress))
            return false;
    }
    return true;
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
        to.open(OpenType::Table);
    } catch (const DatabaseError& e) {
        tell(withException(QStringLiteral("Couldn't open Audiometer Measurements Recordset"), e));
        return false;
    }
    for (from.moveFirst(); !from.isEOF(); from.moveNext()) {
        try {
            const auto payload = payloadOf(from.data());
            const QByteArray converted =
                payload ? OldLayout::stepAudiometerRecord(fromVersion, *payload) : QByteArray();
            if (converted.isEmpty()) {
                tell(QStringLiteral("Could not create Audiometer Cal blobFile from old database"));
                return false;
            }
            to.addNew();
            for (const QString& column : TableColumns::AudTestMeasurements)
                to.setValue(column, from.value(column));
            const QVariant date = from.value(QStringLiteral("Date"));
            if (!date.isNull())
                to.setValue(QStringLiteral("Date"), OldLayout::stepAudiometerDate(fromVersion, date.toDouble()));
            to.setData(OldLayout::header(fromVersion + 1) + converted);
            to.update();
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
            const auto payload = payloadOf(from.data());
            const QByteArray converted =
                payload ? OldLayout::stepAmbientRecord(fromVersion, *payload,
                                                       from.value(TableColumns::AmbientMeasurements[0]).toString())
                        : QByteArray();
            if (converted.isEmpty())
                return false;
            to.addNew();
            for (const QString& column : TableColumns::AmbientMeasurements)
                to.setValue(column, from.value(column));
            to.setData(OldLayout::header(fromVersion + 1) + converted);
            to.update();
        }
    } catch (const DatabaseError& e) {
        tell(withException(QStringLiteral("Couldn't open Ambient Measurements Recordset"), e));
        return false;
    }
    return true;
}

bool DatabaseConversion::copyEquipmentList(Database& target, int fromVersion) {
    TableCursor from(m_db, Table::EquipmentList, {});
    TableCursor to(target, Table::EquipmentList, {});
    try {
        from.open(OpenType::Table);
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

bool DatabaseConversion::replaceOldFile(const QString& conversionPath, int fromVersion) {
    const QString oldPath = m_db.path();
    m_db.close();
    const QString keptName = oldPath + QStringLiteral("VERSION%1").arg(fromVersion);
    QFile oldFile(oldPath);
    if (!oldFile.rename(keptName)) {
        tell(QStringLiteral("Unable to do first rename after conversion (cause: %1)").arg(oldFile.error()));
        return false;
    }
    QFile conversionFile(conversionPath);
    if (!conversionFile.rename(oldPath)) {
        tell(QStringLiteral("Unable to do second rename after conversion (cause: %1)").arg(conversionFile.error()));
        return false;
    }
    const QString question =
        QStringLiteral("Database was converted to newest version.\nSave old database with name %1?").arg(keptName);
    if (m_services.messageBox.show(question, MessageButtons::YesNo) != MessageAnswer::Yes) {
        QFile kept(keptName);
        if (!kept.remove())
            tell(QStringLiteral("Unable to do delete old database after conversion (cause: %1)").arg(kept.error()));
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
