#include "cli/OpenedDocument.h"

#include "core/ServerLocation.h"
#include "database/DatabaseError.h"
#include "database/SearchFilter.h"
#include "database/TableCursor.h"
#include "model/FixedText.h"

#include <QFileInfo>

namespace orvik::cli {

QString databaseLocation(const QString& argument) {
    return isServerLocation(argument) ? argument.trimmed() : QFileInfo(argument).absoluteFilePath();
}

bool OpenedDocument::open(const QString& file, bool readOnly) {
    const QString path = databaseLocation(file);
    return (readOnly ? doc.openDatabaseReadOnly(path) : doc.openOrCreateDatabase(path)) &&
           doc.checkDatabaseVersion() == 0 && doc.readEquipmentLists();
}

RowId storedBoothId(Database& db, const QString& name) {
    try {
        TableCursor rows(db, Table::AmbientMeasurements, TableColumns::AmbientMeasurements);
        rows.open(OpenType::Dynaset, SearchFilter().equals(QStringLiteral("TestName"),
                                                           fittedFixedText(name, sizeof AmbientRecord::testName)));
        return rows.recordCount() > 0 ? rows.id() : -1;
    } catch (const DatabaseError&) {
        return -1; // the load that follows says what is wrong
    }
}

} // namespace orvik::cli
