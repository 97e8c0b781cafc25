// A laboratory's history (25,000 audiometer tests, 2,000 booth tests, 50 instruments) and the database
// operations a technician waits for: opening at start-up, saving, loading and the browser's searches.
// The file is made once and kept in the temporary folder (ORVIK_BENCH_DB names another); its size is reported.
// ORVIK_BENCH_DB may also name an empty database on a server ("postgresql://..."): the lab file is then copied
// into it once, and the same operations run against the server.
#include "core/Clock.h"
#include "core/SettingsStore.h"
#include "core/SilentProgress.h"
#include "core/ServerLocation.h"
#include "database/DatabaseCopy.h"
#include "database/Document.h"
#include "database/LabHistoryGenerator.h"
#include "database/StoredMeasurementsBrowser.h"
#include "database/TableCursor.h"
#include "model/FixedText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <benchmark/benchmark.h>

using namespace orvik;

namespace {

constexpr int AudiometerTests = 25000;
constexpr int BoothTests = 2000;
constexpr int InstrumentsPerKind = 10;
const QString BenchTechnician = QStringLiteral("Bench Technician");

QString labPath() {
    const QByteArray chosen = qgetenv("ORVIK_BENCH_DB");
    return chosen.isEmpty() ? QDir::temp().filePath(QStringLiteral("orvik-bench-lab.mdb"))
                            : QString::fromLocal8Bit(chosen);
}

bool labIsComplete(const QString& path) {
    if (!isServerLocation(path) && !QFileInfo::exists(path))
        return false;
    try {
        Database db;
        db.open(path);
        return db.readSchemaVersion() == CurrentSchemaVersion &&
               db.rowCount(Table::AudTestMeasurements) == AudiometerTests &&
               db.rowCount(Table::AmbientMeasurements) == BoothTests;
    } catch (const DatabaseError&) {
        return false;
    }
}

void writeLabFile(const QString& path) {
    if (labIsComplete(path))
        return;
    QFile::remove(path);
    const LabHistoryGenerator generator;
    generator.writeDatabase(path, CurrentSchemaVersion, AudiometerTests, BoothTests,
                            generator.instruments(InstrumentsPerKind));
}

// The server gets the very rows of the file lab, so both engines are measured on the same history.
void copyLabToServer(const QString& uri) {
    const QString file = QDir::temp().filePath(QStringLiteral("orvik-bench-lab.mdb"));
    writeLabFile(file);
    Database server;
    try {
        server.open(uri);
        server.dropTables(); // an incomplete copy of an earlier run
        server.close();
    } catch (const DatabaseError&) {
        // an empty database: nothing to drop
    }
    server.create(uri);
    Database original;
    original.open(file, OpenMode::ReadOnly);
    DatabaseCopy::copy(original, server);
}

const QString& lab() {
    static const QString path = [] {
        const QString p = labPath();
        if (isServerLocation(p) && !labIsComplete(p))
            copyLabToServer(p);
        else
            writeLabFile(p);
        return p;
    }();
    return path;
}

// A document with the lab open, as after start-up.
struct OpenLab {
    AgreeingMessageBox messages;
    SilentProgress progress;
    SystemClock clock;
    MemorySettingsStore settings;
    Document doc{AppServices{messages, progress, clock, settings}, QString()};

    OpenLab() {
        if (!doc.openDatabase(lab(), false) || doc.checkDatabaseVersion() != 0 || !doc.readEquipmentLists())
            qFatal("cannot open %s", qPrintable(lab()));
    }
    ~OpenLab() {
        if (doc.hasDatabase())
            doc.database().exec(
                QStringLiteral("DELETE FROM AudTestMeasurements WHERE Technician = '%1'").arg(BenchTechnician));
    }
};

void BM_OpenAtStartUp(benchmark::State& state) {
    const QString path = lab();
    for (auto _ : state) {
        OpenLab opened;
        benchmark::DoNotOptimize(opened.doc.instruments().totalCount());
    }
    state.counters["file_MB"] = static_cast<double>(QFileInfo(path).size()) / (1024.0 * 1024.0);
}
BENCHMARK(BM_OpenAtStartUp)->Unit(benchmark::kMillisecond);

void BM_SaveNewRecord(benchmark::State& state) {
    OpenLab opened;
    const LabHistoryGenerator generator;
    int serial = 0;
    for (auto _ : state) {
        state.PauseTiming();
        opened.doc.newRecord();
        opened.doc.record() = generator.audiometerRecord(serial);
        setFixedText(opened.doc.record().setup.technician, BenchTechnician);
        setFixedText(opened.doc.record().setup.audSerialNumber, QStringLiteral("BENCH%1").arg(++serial));
        opened.doc.setModified(true);
        state.ResumeTiming();
        if (opened.doc.saveRecord() != Document::SaveResult::Saved)
            state.SkipWithError("save failed");
    }
}
BENCHMARK(BM_SaveNewRecord)->Unit(benchmark::kMillisecond);

void BM_SaveLoadedRecord(benchmark::State& state) {
    OpenLab opened;
    const LabHistoryGenerator generator;
    opened.doc.record() = generator.audiometerRecord(1);
    setFixedText(opened.doc.record().setup.technician, BenchTechnician);
    opened.doc.setModified(true);
    opened.doc.saveRecord();
    for (auto _ : state) {
        opened.doc.record().setup.temperature += 0.1f;
        opened.doc.setModified(true); // asks the overwrite question, answered Yes
        if (opened.doc.saveRecord() != Document::SaveResult::Saved)
            state.SkipWithError("save failed");
    }
}
BENCHMARK(BM_SaveLoadedRecord)->Unit(benchmark::kMillisecond);

void BM_LoadRecord(benchmark::State& state) {
    OpenLab opened;
    int id = 1;
    for (auto _ : state) {
        id = (id * 7919) % AudiometerTests + 1;
        if (!opened.doc.loadRecord(id))
            state.SkipWithError("load failed");
    }
}
BENCHMARK(BM_LoadRecord)->Unit(benchmark::kMillisecond);

enum SearchKind { AllRows, Serial, Model, Technician, Channel, DateRange, Combined };

void BM_AudiometricSearch(benchmark::State& state) {
    OpenLab opened;
    StoredMeasurementsBrowser browser(opened.doc, opened.messages);
    AudiometricSearch search;
    switch (state.range(0)) {
    case Serial:
        search.serialNumber = QStringLiteral("104107");
        state.SetLabel("serial");
        break;
    case Model:
        search.model = QStringLiteral("MA41");
        state.SetLabel("model");
        break;
    case Technician:
        search.technician = QStringLiteral("P. O'Neill");
        state.SetLabel("technician");
        break;
    case Channel:
        search.channelPosition = 2;
        state.SetLabel("channel");
        break;
    case DateRange:
        search.fromDate = QStringLiteral("2019-01-01");
        search.toDate = QStringLiteral("2019-12-31");
        state.SetLabel("date range");
        break;
    case Combined:
        search.model = QStringLiteral("MA41");
        search.technician = QStringLiteral("K. Olsen");
        search.fromDate = QStringLiteral("2018-01-01");
        state.SetLabel("model+technician+from");
        break;
    default:
        state.SetLabel("all rows");
        break;
    }
    std::size_t rows = 0;
    for (auto _ : state)
        rows = browser.searchAudiometric(search).size();
    state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_AudiometricSearch)->DenseRange(AllRows, Combined)->Unit(benchmark::kMillisecond);

void BM_BoothSearch(benchmark::State& state) {
    OpenLab opened;
    StoredMeasurementsBrowser browser(opened.doc, opened.messages);
    BoothSearch search;
    if (state.range(0) == 1) {
        search.customer = QStringLiteral("St. Mary's Hospital");
        search.booth = QStringLiteral("Booth B");
        state.SetLabel("customer+booth");
    } else {
        state.SetLabel("all rows");
    }
    std::size_t rows = 0;
    for (auto _ : state)
        rows = browser.searchBooths(search).size();
    state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_BoothSearch)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
