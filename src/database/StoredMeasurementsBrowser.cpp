#include "database/StoredMeasurementsBrowser.h"

#include "ambient/AmbientRecord.h"
#include "core/Settings.h"
#include "database/Document.h"
#include "database/EngineDate.h"
#include "database/TableCursor.h"
#include "model/FixedText.h"
#include "model/TestSetup.h"

namespace orvik {

namespace {
// A technician often has only part of a serial number or name at hand, so every text field finds the rows that
// begin with what was typed. The column holds what the record's field kept of the text, so the search looks for
// the same: a name typed longer than its field still finds the test saved under it.
void addText(SearchFilter& filter, const QString& column, const QString& text, std::size_t fieldSize) {
    const QString trimmed = text.trimmed();
    if (!trimmed.isEmpty())
        filter.startsWith(column, fittedFixedText(trimmed, fieldSize));
}

void addDateRange(SearchFilter& filter, const QString& from, const QString& to) {
    if (const auto date = parseSearchDate(from))
        filter.where(QStringLiteral("Date"), QStringLiteral(">="), engineDate(*date));
    if (const auto date = parseSearchDate(to))
        filter.where(QStringLiteral("Date"), QStringLiteral("<="), engineDate(*date));
}

} // namespace

StoredMeasurementsBrowser::StoredMeasurementsBrowser(Document& doc, MessageBox& messages)
    : m_doc(doc), m_messages(messages) {}

SearchFilter StoredMeasurementsBrowser::audiometricFilter(const AudiometricSearch& search) {
    SearchFilter filter;
    addText(filter, QStringLiteral("SerialNum"), search.serialNumber, sizeof(TestSetup::audSerialNumber));
    addText(filter, QStringLiteral("ModelNum"), search.model, sizeof(TestSetup::audModel));
    addText(filter, QStringLiteral("Technician"), search.technician, sizeof(TestSetup::technician));
    if (search.channelPosition > 0)
        filter.equals(QStringLiteral("ChannelNum"), search.channelPosition);
    addDateRange(filter, search.fromDate, search.toDate);
    return filter;
}

SearchFilter StoredMeasurementsBrowser::boothFilter(const BoothSearch& search) {
    SearchFilter filter;
    addText(filter, QStringLiteral("Customer"), search.customer, sizeof(AmbientRecord::customerName));
    addText(filter, QStringLiteral("Booth"), search.booth, sizeof(AmbientRecord::booth));
    addDateRange(filter, search.fromDate, search.toDate);
    return filter;
}

bool StoredMeasurementsBrowser::databaseAvailable() {
    if (m_doc.hasDatabase())
        return true;
    m_messages.show(QStringLiteral("The database is not available."));
    return false;
}

BrowserRows StoredMeasurementsBrowser::listRows(const QString& table, const QStringList& columns,
                                                std::vector<BrowserCell> cells, const SearchFilter& filter,
                                                const QString& failure) {
    if (!databaseAvailable())
        return {};
    try {
        TableCursor rows(m_doc.database(), table, columns);
        rows.open(filter.isEmpty() ? OpenType::Table : OpenType::Dynaset, filter);
        return BrowserRows(rows.rows(), std::move(cells));
    } catch (const DatabaseError& e) {
        m_messages.show(failure + QStringLiteral("--Exception: ") + e.text());
        return {};
    }
}

BrowserRows StoredMeasurementsBrowser::searchAudiometric(const AudiometricSearch& search) {
    return listRows(Table::AudTestMeasurements,
                    {QStringLiteral("Technician"), QStringLiteral("ModelNum"), QStringLiteral("SerialNum"),
                     QStringLiteral("ChannelNum"), QStringLiteral("Date")},
                    {BrowserCell::Text, BrowserCell::Text, BrowserCell::Text, BrowserCell::Channel, BrowserCell::Date},
                    audiometricFilter(search), QStringLiteral("Couldn't open Test data Recordset"));
}

BrowserRows StoredMeasurementsBrowser::searchBooths(const BoothSearch& search) {
    return listRows(Table::AmbientMeasurements,
                    {QStringLiteral("TestName"), QStringLiteral("Customer"), QStringLiteral("Booth"),
                     QStringLiteral("Date")},
                    {BrowserCell::Text, BrowserCell::Text, BrowserCell::Text, BrowserCell::Date},
                    boothFilter(search), QStringLiteral("Couldn't open Booth Measurements Recordset"));
}

StoredMeasurementsBrowser::Retrieved StoredMeasurementsBrowser::retrieve(RowId boothId, RowId audiometricId) {
    Retrieved retrieved;
    if (boothId >= 0)
        retrieved.booth = m_doc.loadAmbientRecord(boothId);
    if (audiometricId >= 0 && m_doc.offerSave(Document::LeaveReason::LoadAnother))
        retrieved.audiometric = m_doc.loadRecord(audiometricId);
    return retrieved;
}

bool StoredMeasurementsBrowser::removeRow(const QString& table, RowId id, const char* what, const QString& failure) {
    if (id < 0)
        return false;
    if (m_messages.show(
            QStringLiteral("Do you really want to delete highlighted %1 measurement?").arg(QLatin1String(what)),
            MessageButtons::YesNo) != MessageAnswer::Yes)
        return false;
    try {
        TableCursor rows(m_doc.database(), table, {});
        rows.open(OpenType::Dynaset, SearchFilter::byId(id));
        if (rows.recordCount() == 0)
            return false;
        rows.remove();
        return true;
    } catch (const DatabaseError& e) {
        m_messages.show(failure + QStringLiteral("--Exception: ") + e.text());
        return false;
    }
}

bool StoredMeasurementsBrowser::remove(RowId boothId, RowId audiometricId) {
    if (!databaseAvailable())
        return false;
    const bool booth = removeRow(Table::AmbientMeasurements, boothId, "AMBIENT",
                                 QStringLiteral("Couldn't open Booth Measurements Recordset"));
    const bool audiometric = removeRow(Table::AudTestMeasurements, audiometricId, "AUDIOMETRIC",
                                       QStringLiteral("Couldn't open Test data Recordset"));
    return booth || audiometric;
}

bool applySaveDataAnswer(SettingsStore& settings, SaveDataAnswer answer, bool alwaysUseClicked) {
    Setting::ShowSaveDialogAfterTest.write(settings, alwaysUseClicked ? 0 : 1);
    if (answer == SaveDataAnswer::Save) {
        Setting::SaveAfterTest.write(settings, 1);
        return true;
    }
    if (alwaysUseClicked)
        Setting::SaveAfterTest.write(settings, 0);
    return false;
}

} // namespace orvik
