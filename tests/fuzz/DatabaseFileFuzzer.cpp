// A whole database file: opened (and converted when old), its instrument lists read, every row listed by the
// browser and loaded. A record that loads and is saved again reads back byte for byte.
#include "FuzzSupport.h"
#include "core/AppServices.h"
#include "core/SettingsStore.h"
#include "core/SilentProgress.h"
#include "database/Document.h"
#include "database/StoredMeasurementsBrowser.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cstring>

using namespace orvik;

namespace {
constexpr std::size_t RowsTried = 8;

void checkSaveAndLoad(Document& doc) {
    const AudiometerRecord loaded = doc.record();
    doc.setModified(true);
    if (doc.saveRecord() != Document::SaveResult::Saved)
        return;
    fuzz::require(doc.loadRecord(doc.savedRecordId()), "a saved record loads");
    fuzz::require(std::memcmp(&loaded, &doc.record(), sizeof loaded) == 0, "a saved record reads back the same");
}

void browseAndLoad(Document& doc, MessageBox& messages) {
    doc.readEquipmentLists();
    StoredMeasurementsBrowser browser(doc, messages);
    const BrowserRows tests = browser.searchAudiometric({});
    for (std::size_t i = 0; i < tests.size() && i < RowsTried; ++i)
        if (doc.loadRecord(tests.id(i)))
            checkSaveAndLoad(doc);
    const BrowserRows booths = browser.searchBooths({});
    for (std::size_t i = 0; i < booths.size() && i < RowsTried; ++i)
        doc.loadAmbientRecord(booths.id(i));
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString path = fuzz::writeInputFile(QStringLiteral("Fuzz.mdb"), data, size);
    QDir folder = QFileInfo(path).dir();
    fuzz::DecliningMessageBox messages;
    SilentProgress progress;
    fuzz::FuzzClock clock;
    MemorySettingsStore settings;
    {
        Document doc(AppServices{messages, progress, clock, settings}, folder.path());
        if (doc.openDatabase(path, false) && doc.checkDatabaseVersion() >= 0)
            browseAndLoad(doc, messages);
    }
    // What a conversion leaves behind must not meet the next input.
    for (const QString& name : folder.entryList(QDir::Files))
        folder.remove(name);
    return 0;
}
