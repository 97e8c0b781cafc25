// A whole hearing-level Measure All of supra-aural earphones, left and right at the eleven default frequencies
// (22 points), over the simulated K37 at 9600 baud with bytes paced as on the wire and the technician answering
// every dial prompt at once. The same run on a stepping clock, where time passes only while the program waits,
// is the least the protocol and the mandated pauses allow; the ratio of the real run to it is the overhead.
#include "core/Clock.h"
#include "core/SettingsStore.h"
#include "core/SilentProgress.h"
#include "measure/ToneMeasurement.h"
#include "model/DefaultRetspl.h"
#include "model/FixedText.h"
#include "model/InputLevelSettings.h"
#include "sim/DialFollowingMessageBox.h"
#include "sim/K37Simulator.h"
#include "sim/ModelReferenceLevels.h"
#include "sim/SimulatedSerialDeviceFactory.h"

#include "support/PacedRun.h"

#include <benchmark/benchmark.h>

#include <QDate>
#include <cstring>

using namespace orvik;
using bench::NoQuestions;

namespace {
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
        session.connectMeter(1, 9600);
        keys = std::make_unique<KeySimulator>(*session.commander(), settings);
        link = std::make_unique<MeterLink>(MeterLink{session, *keys, {technician, progress, clock, settings}, {}});
    }

    // The whole run; its duration on `clock` in milliseconds, or -1 when it did not store all 22 points.
    qint64 run(Clock& clock) {
        std::memset(record.results.tone, 0, sizeof record.results.tone);
        const qint64 start = clock.milliseconds();
        int stored = 0;
        for (Channel channel : {Channel::Left, Channel::Right}) {
            ToneMeasurement page(record, *link, TransducerKind::SupraAural, channel, ToneKind::HearingLevel);
            page.setDialLevels(record.results.inputLevels.hearingLevel[0].level);
            if (page.measureAll() != 0)
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
    SilentProgress progress;
    sim::K37Simulator simulator;
    sim::DialFollowingMessageBox technician;
    sim::SimulatedSerialDeviceFactory factory;
    MeterSession session;
    std::unique_ptr<KeySimulator> keys;
    std::unique_ptr<MeterLink> link;
};

void BM_HearingLevelMeasureAll(benchmark::State& state) {
    bench::measureAgainstMinimum<Bench>(state, [](Bench& subject, Clock& clock) { return subject.run(clock); });
}
BENCHMARK(BM_HearingLevelMeasureAll)->Unit(benchmark::kMillisecond)->Iterations(1);
} // namespace

int main(int argc, char** argv) {
    return orvik::bench::runWithApplication(argc, argv);
}
