// Saves into an existing database until it is killed: the child process of the durability tests. By default
// each round adds one audiometer row and rewrites row 1; every record is self-checking (all result bytes and the
// comment carry the round number). With --equipment each round writes the instrument lists, alternately with
// one and with two instruments of each kind. "saved N" is printed after each committed round. With
// --same-tests N it saves N new records of the identities "Shared-1" .. "Shared-N" and ends: two of these side by
// side race for each identity, as two desks saving one test do.
#include "core/Clock.h"
#include "core/SilentProgress.h"
#include "core/SettingsStore.h"
#include "database/Document.h"
#include "database/LabHistoryGenerator.h"
#include "model/FixedText.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstring>

using namespace orvik;

namespace {
void stamp(AudiometerRecord& record, int round) {
    std::memset(&record.results, round & 0xFF, sizeof record.results);
    setFixedText(record.notes.comments, QStringLiteral("round %1").arg(round));
}
} // namespace

int saveRecords(Document& doc);
int writeLists(Document& doc);
int saveSharedTests(Document& doc, int count);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments().mid(1);
    if (arguments.isEmpty() || arguments.size() > 3)
        return 2;
    AgreeingMessageBox messages;
    SilentProgress progress;
    SystemClock clock;
    MemorySettingsStore settings;
    Document doc(AppServices{messages, progress, clock, settings}, QString());
    if (!doc.openDatabase(arguments[0], false) || doc.checkDatabaseVersion() != 0)
        return 1;
    if (arguments.value(1) == QLatin1String("--same-tests"))
        return saveSharedTests(doc, arguments.value(2).toInt());
    return arguments.value(1) == QLatin1String("--equipment") ? writeLists(doc) : saveRecords(doc);
}

int saveSharedTests(Document& doc, int count) {
    for (int round = 1; round <= count; ++round) {
        doc.newRecord();
        TestSetup& setup = doc.record().setup;
        setFixedText(setup.technician, QStringLiteral("Concurrency"));
        setFixedText(setup.audModel, QStringLiteral("AC40"));
        setFixedText(setup.audSerialNumber, QStringLiteral("Shared-%1").arg(round));
        stamp(doc.record(), round);
        doc.setModified(true); // the overwrite question, when the other desk came first, is answered Yes
        if (doc.saveRecord() != Document::SaveResult::Saved)
            return 1;
    }
    return 0;
}

int writeLists(Document& doc) {
    const LabHistoryGenerator generator;
    for (int round = 1;; ++round) {
        doc.instruments() = generator.instruments(1 + round % 2);
        if (!doc.writeEquipmentLists())
            return 1;
        std::printf("saved %d\n", round);
        std::fflush(stdout);
    }
}

int saveRecords(Document& doc) {
    for (int round = 1;; ++round) {
        doc.newRecord();
        TestSetup& setup = doc.record().setup;
        setFixedText(setup.technician, QStringLiteral("Durability"));
        setFixedText(setup.audModel, QStringLiteral("AC40"));
        setFixedText(setup.audSerialNumber, QStringLiteral("%1-%2").arg(QCoreApplication::applicationPid()).arg(round));
        stamp(doc.record(), round);
        doc.setModified(true);
        if (doc.saveRecord() != Document::SaveResult::Saved || !doc.loadRecord(1))
            return 1;
        stamp(doc.record(), round);
        doc.setModified(true);
        if (doc.saveRecord() != Document::SaveResult::Saved)
            return 1;
        std::printf("saved %d\n", round);
        std::fflush(stdout);
    }
}
