// A whole hearing-level Measure All of supra-aural earphones, left and right at the eleven default frequencies
// (22 points), over the simulated K37 at 9600 baud with bytes paced as on the wire and the technician answering
// every dial prompt at once. The same run on a stepping clock, where time passes only while the program waits,
// is the least the protocol and the mandated pauses allow; the ratio of the real run to it is the overhead.
#include "app/Clock.h"
#include "app/SettingsStore.h"
#include "measure/CMeasHLFreqPP.h"
#include "model/DefaultRetspl.h"
#include "model/FixedText.h"
#include "model/InputLevelSettings.h"
#include "sim/DialFollowingMessageBox.h"
#include "sim/K37Simulator.h"
#include "sim/ModelReferenceLevels.h"
#include "sim/SimulatedSerialDeviceFactory.h"

#include <benchmark/benchmark.h>

#include <QDate>
#include <QElapsedTimer>
#include <cstring>

using namespace orvik;

namespace {
class SteppingClock final : public Clock {
public:
    qint64 milliseconds() override { return m_now; }
    void sleep(int ms) override { m_now += ms; }
    void pumpMessages() override { ++m_now; }

private:
    qint64 m_now = 0;
};

class NoQuestions final : public MessageBox {
public:
    MessageAnswer show(const QString&, MessageButtons buttons, const QString&) override {
        ++asked;
        return stoppingAnswer(buttons);
    }
    int asked = 0;
};

class NoProgress final : public ProgressFactory {
    class Window final : public ProgressWindow {
        void setRange(int, int) override {}
        void setPos(int) override {}
        void setStep(int) override {}
        void stepIt() override {}
        void setStatus(const QString&) override {}
        bool checkCancelButton() override { return false; }
    };

public:
    std::unique_ptr<ProgressWindow> open(const QString&) override { return std::make_unique<Window>(); }
};

void choose(EmbeddedIdentity& identity, const char* serial) {
    setFixedText(identity.dueDate, QStringLiteral("2027-06-30"));
    setFixedText(identity.serialNumber, QString::fromLatin1(serial));
}

struct Bench {
    explicit Bench(Clock& clock)
        : technician(questions, simulator.scene()), factory(simulator, clock), session(factory, technician, clock) {
        startNewRecord(record, QDate(2026, 12, 6));
        InputLevelSettings::load(record.results.inputLevels, settings);
        selectDefaultFrequencies(record.setup.frequencySelected);
        const EarphoneBlock earphone = defaultEarphoneList(false).front();
        std::memcpy(&record.setup.supraAural, &earphone, sizeof earphone);
        setFixedText(record.setup.supraAural.leftSerial, QStringLiteral("L1"));
        setFixedText(record.setup.supraAural.rightSerial, QStringLiteral("R1"));
        setFixedText(record.setup.audSerialNumber, QStringLiteral("A1"));
        choose(record.setup.instruments.soundLevelMeter, "S1");
        choose(record.setup.instruments.preamp, "P1");
        for (EmbeddedMicrophone& microphone : record.setup.instruments.microphones)
            choose(microphone.identity, "M1");
        simulator.scene().setReferenceLevels(sim::modelReferenceLevels(record.setup));
        session.ConnectSlm(1, 9600);
        keys = std::make_unique<KeySimulator>(*session.commander(), settings);
        link = std::make_unique<MeterLink>(MeterLink{session, *keys, {technician, progress, clock, settings}});
    }

    // The whole run; its duration on `clock` in milliseconds, or -1 when it did not store all 22 points.
    qint64 run(Clock& clock) {
        std::memset(record.results.tone, 0, sizeof record.results.tone);
        const qint64 start = clock.milliseconds();
        int stored = 0;
        for (Channel channel : {Channel::Left, Channel::Right}) {
            CMeasHLFreqPP page(record, *link, TransducerKind::SupraAural, channel, HLFreqKind::HearingLevel);
            page.setDialLevels(record.results.inputLevels.hearingLevel[0].level);
            if (page.MeasureAll() != 0)
                return -1;
            page.takeDataBack();
            for (const ToneEntry& entry : record.results.tone[0][int(channel)])
                stored += entry.spl > NotMeasuredLimit;
        }
        return stored == 22 && questions.asked == 0 ? clock.milliseconds() - start : -1;
    }

    AudiometerRecord record{};
    MemorySettingsStore settings;
    NoQuestions questions;
    NoProgress progress;
    sim::K37Simulator simulator;
    sim::DialFollowingMessageBox technician;
    sim::SimulatedSerialDeviceFactory factory;
    MeterSession session;
    std::unique_ptr<KeySimulator> keys;
    std::unique_ptr<MeterLink> link;
};

void BM_HearingLevelMeasureAll(benchmark::State& state) {
    SteppingClock stepping;
    Bench ideal(stepping);
    const qint64 idealMs = ideal.run(stepping);
    if (idealMs < 0) {
        state.SkipWithError("the stepping-clock run failed");
        return;
    }
    SystemClock clock;
    Bench real(clock);
    qint64 totalMs = 0;
    for (auto _ : state) {
        QElapsedTimer wall;
        wall.start();
        if (real.run(clock) < 0) {
            state.SkipWithError("the real-time run failed");
            return;
        }
        totalMs += wall.elapsed();
    }
    const double wallMs = double(totalMs) / double(state.iterations());
    state.counters["wall_ms"] = wallMs;
    state.counters["minimum_ms"] = double(idealMs);
    state.counters["ratio"] = wallMs / double(idealMs);
}
BENCHMARK(BM_HearingLevelMeasureAll)->Unit(benchmark::kMillisecond)->Iterations(1);
} // namespace

BENCHMARK_MAIN();
