// A stable five-reading "&R1" spectrum over the simulated K37 at 9600 baud, bytes paced as on the wire.
// The same read runs on a stepping clock, where time passes only while the link waits: that time is the wire
// time of the bytes, the meter's own reply delays and the pauses the link must make. The real run's excess
// over it is the program's overhead.
#include "core/Clock.h"
#include "measure/ReadStableSpectrum.h"
#include "meter/MeterSession.h"
#include "sim/K37Simulator.h"
#include "sim/SimulatedSerialDeviceFactory.h"

#include "support/PacedRun.h"

#include <benchmark/benchmark.h>

using namespace orvik;
using bench::NoQuestions;

namespace {
struct Bench {
    explicit Bench(Clock& clock) : factory(simulator, clock), session(factory, messages, clock) {
        auto& audiometer = simulator.scene().audiometer();
        audiometer.signal = sim::SignalType::Tone;
        audiometer.dialHl = 70;
        simulator.scene().touch();
        session.connectMeter(1, 9600);
        session.commander()->run();
    }

    // One stable reading; its duration on `clock` in milliseconds, or -1 when it failed.
    qint64 read(Clock& clock) {
        simulator.wire().clearTranscript();
        const qint64 start = clock.milliseconds();
        StableSpectrum result;
        const int status = readStableSpectrum(*session.commander(), messages, StableSpectrumRequest{}, result, nullptr);
        return status < 0 || result.readings != 5 ? -1 : clock.milliseconds() - start;
    }

    sim::K37Simulator simulator{sim::K37Profile{}, sim::AnalyserBehaviour::steady(0.05)};
    sim::SimulatedSerialDeviceFactory factory;
    NoQuestions messages;
    MeterSession session;
};

void BM_StableSpectrumAt9600(benchmark::State& state) {
    bench::measureAgainstMinimum<Bench>(state, [](Bench& subject, Clock& clock) { return subject.read(clock); });
}
BENCHMARK(BM_StableSpectrumAt9600)->Unit(benchmark::kMillisecond)->Iterations(5);
} // namespace

int main(int argc, char** argv) {
    return orvik::bench::runWithApplication(argc, argv);
}
