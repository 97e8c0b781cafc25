#pragma once

#include "core/MessageBox.h"
#include "core/SettingsStore.h"
#include "database/BrowserRows.h"
#include "database/SearchFilter.h"

#include <QStringList>
#include <vector>

namespace orvik {

class Document;

// The search fields of the "Audiometric Measurements" page; texts are trimmed before use.
struct AudiometricSearch {
    QString technician;
    QString model;
    QString serialNumber;
    int channelPosition = 0; // 0 "All", 1, 2
    QString fromDate;
    QString toDate;
};

// The search fields of the "Booth Test Data" page.
struct BoothSearch {
    QString customer;
    QString booth;
    QString fromDate;
    QString toDate;
};

// The "Stored Measurements" sheet's logic: searches, retrieve and delete over the document's database.
class StoredMeasurementsBrowser {
public:
    explicit StoredMeasurementsBrowser(Document& doc, MessageBox& messages);

    // Conditions in the sheet's order: serial, model, technician, channel, from, to. Texts match a leading part
    // of the stored text; a date that does not parse adds nothing.
    static SearchFilter audiometricFilter(const AudiometricSearch& search);
    static SearchFilter boothFilter(const BoothSearch& search);

    // Technician, model, serial number, channel, date; an empty list after a reported failure.
    BrowserRows searchAudiometric(const AudiometricSearch& search);
    // Test name, customer, booth, date.
    BrowserRows searchBooths(const BoothSearch& search);

    // "Retrieve" with the selected Ids (-1: none); says what was loaded so the caller can show its view.
    struct Retrieved {
        bool booth = false;
        bool audiometric = false;
    };
    Retrieved retrieve(RowId boothId, RowId audiometricId);
    // "Delete": booth row first, then audiometric row, each after its question. Returns whether any was deleted.
    bool remove(RowId boothId, RowId audiometricId);

private:
    bool databaseAvailable();
    BrowserRows listRows(const QString& table, const QStringList& columns, std::vector<BrowserCell> cells,
                         const SearchFilter& filter, const QString& failure);
    bool removeRow(const QString& table, RowId id, const char* what, const QString& failure);

    Document& m_doc;
    MessageBox& m_messages;
};

// The "Save Data" question after a test: stores the choice; true when the caller saves now.
enum class SaveDataAnswer { Save, SaveLater };
bool applySaveDataAnswer(SettingsStore& settings, SaveDataAnswer answer, bool alwaysUseClicked);

} // namespace orvik
