// The full audiometer report of a calibration with every registered test measured, drawn into a PDF: what a
// technician waits for after "Save as PDF" and what orvik-cli report spends per record in a day's batch.
#include "cli/CalibrationRun.h"
#include "core/Clock.h"
#include "core/SettingsStore.h"
#include "core/SilentProgress.h"
#include "database/Document.h"
#include "report/AudiometerReport.h"
#include "report/widgets/PdfOutput.h"

#include <benchmark/benchmark.h>

#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <memory>

using namespace orvik;

namespace {
// Runs the calibration once and loads what it stored.
std::unique_ptr<AudiometerRecord> calibratedRecord(const QString& database) {
    cli::CalibrationRequest request;
    request.database = database;
    for (const RegisteredTest& test : registeredTests())
        request.tests << test;
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    if (cli::runCalibration(request, outStream, errStream) != 0)
        return nullptr;
    AgreeingMessageBox messages;
    SilentProgress progress;
    SystemClock clock;
    MemorySettingsStore settings;
    Document document(AppServices{messages, progress, clock, settings}, QString());
    if (!document.openDatabaseReadOnly(QFileInfo(database).absoluteFilePath()) || !document.loadRecord(1))
        return nullptr;
    return std::make_unique<AudiometerRecord>(document.record());
}

void fullReportToPdf(benchmark::State& state) {
    QTemporaryDir dir;
    const std::unique_ptr<AudiometerRecord> record = calibratedRecord(dir.filePath(QStringLiteral("bench.mdb")));
    if (!record) {
        state.SkipWithError("the calibration could not be run or loaded");
        return;
    }
    const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
    const ReportHeading heading{QStringLiteral("Bench Lab"), QStringLiteral("1 Main St"), QStringLiteral("Town")};
    int pages = 0;
    for (auto _ : state) {
        const QString error = writePdf(pdf, QStringLiteral("Report"), [&](PageCanvas& canvas) {
            pages = printAudiometerReport(canvas, *record, heading, AudiometerReportOptions::all());
        });
        if (!error.isEmpty()) {
            state.SkipWithError(qPrintable(error));
            return;
        }
    }
    state.counters["pages"] = pages;
    state.counters["pdf_kB"] = double(QFileInfo(pdf).size()) / 1024.0;
}
} // namespace

BENCHMARK(fullReportToPdf)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
