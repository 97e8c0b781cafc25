// orvik-cli calibrate with every registered test on every transducer it runs on, both ears, on simulated time:
// the wall time a lab waits for the whole calibration, and the time on the simulated clock it stands for (what
// the same run would take with the meter's replies, settling and the program's pauses in real time).
#include "cli/CalibrationRun.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

using namespace orvik;

namespace {
void wholeCalibration(benchmark::State& state) {
    cli::CalibrationRequest request;
    for (const RegisteredTest& test : registeredTests())
        request.tests << test;
    qint64 simulatedMs = 0;
    qint64 lines = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir dir;
        request.database = dir.filePath(QStringLiteral("bench.mdb"));
        QString out;
        QString err;
        QTextStream outStream(&out);
        QTextStream errStream(&err);
        state.ResumeTiming();
        if (cli::runCalibration(request, outStream, errStream, &simulatedMs) != 0) {
            state.SkipWithError(qPrintable(err));
            return;
        }
        lines = out.count(u'\n');
    }
    state.counters["simulated_s"] = double(simulatedMs) / 1000.0;
    state.counters["lines"] = double(lines);
}
} // namespace

BENCHMARK(wholeCalibration)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
