#pragma once

// What the real-pacing benchmarks share: a clock on which time passes only while the program waits, and the
// measurement of a run against that minimum.
#include "core/Clock.h"
#include "core/MessageBox.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <sys/resource.h>

namespace orvik::bench {

// Processor time this process has used, user and system, in milliseconds.
inline double processorMs() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval& t) { return double(t.tv_sec) * 1000.0 + double(t.tv_usec) / 1000.0; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

// The program waits with an application's event loop to sleep in; so do the benchmarks.
inline int runWithApplication(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// Time moves only by the program's own waits: one millisecond per pump, the whole amount per sleep.
class SteppingClock final : public Clock {
public:
    qint64 milliseconds() override { return m_now; }
    void sleep(int ms) override { m_now += ms; }
    void pumpMessages() override { ++m_now; }

private:
    qint64 m_now = 0;
};

// A run that must not ask anything: every question gets the answer that stops, and is counted.
class NoQuestions final : public MessageBox {
public:
    MessageAnswer show(const QString&, MessageButtons buttons, const QString&) override {
        ++asked;
        return stoppingAnswer(buttons);
    }
    int asked = 0;
};

// Runs `run(bench, clock)` once on a stepping clock (wire time, reply delays and mandated pauses: the least the
// protocol allows), then once per iteration on the system clock, and reports wall time, minimum, ratio and
// overhead. `run` returns the duration on its clock in milliseconds, or -1 when the run failed.
template <class Bench, class Run> void measureAgainstMinimum(benchmark::State& state, Run run) {
    SteppingClock stepping;
    Bench ideal(stepping);
    const qint64 minimumMs = run(ideal, stepping);
    if (minimumMs <= 0) {
        state.SkipWithError("the stepping-clock run failed");
        return;
    }
    SystemClock clock;
    Bench real(clock);
    qint64 totalMs = 0;
    double processorTotalMs = 0.0;
    for (auto _ : state) {
        QElapsedTimer wall;
        wall.start();
        const double processorStart = processorMs();
        if (run(real, clock) < 0) {
            state.SkipWithError("the real-time run failed");
            return;
        }
        processorTotalMs += processorMs() - processorStart;
        totalMs += wall.elapsed();
    }
    const double wallMs = double(totalMs) / double(state.iterations());
    state.counters["wall_ms"] = wallMs;
    state.counters["minimum_ms"] = double(minimumMs);
    state.counters["ratio"] = wallMs / double(minimumMs);
    state.counters["overhead_pct"] = 100.0 * (wallMs - double(minimumMs)) / double(minimumMs);
    // The share of one core the run kept busy, the simulated meter included: what waiting costs.
    state.counters["cpu_pct"] = 100.0 * processorTotalMs / double(totalMs);
}

} // namespace orvik::bench
