#pragma once

// What the real-pacing benchmarks share: a clock on which time passes only while the program waits, and the
// measurement of a run against that minimum.
#include "core/Clock.h"
#include "core/MessageBox.h"

#include <benchmark/benchmark.h>

#include <QElapsedTimer>

namespace orvik::bench {

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
    for (auto _ : state) {
        QElapsedTimer wall;
        wall.start();
        if (run(real, clock) < 0) {
            state.SkipWithError("the real-time run failed");
            return;
        }
        totalMs += wall.elapsed();
    }
    const double wallMs = double(totalMs) / double(state.iterations());
    state.counters["wall_ms"] = wallMs;
    state.counters["minimum_ms"] = double(minimumMs);
    state.counters["ratio"] = wallMs / double(minimumMs);
    state.counters["overhead_pct"] = 100.0 * (wallMs - double(minimumMs)) / double(minimumMs);
}

} // namespace orvik::bench
