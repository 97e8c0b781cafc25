#include "sim/K37Meter.h"
#include "sim/K37Parameters.h"

#include "meter/K37Catalogue.h"
#include "sim/MeterErrors.h"
#include "sim/SimBlocks.h"

#include <QString>
#include <algorithm>
#include <array>
#include <cmath>

namespace orvik::sim {

namespace {
using meter_error::FileNotFound;
using meter_error::NotAvailable;
using meter_error::OutOfRange;
using meter_error::UnknownCommand;

constexpr std::array<const char*, 3> ModeNames{"SLM/RTA", "FFT", "Pulse/FM"};
constexpr std::array<const char*, 3> WeightingLetters{"A", "C", "Z"};
constexpr std::array<const char*, 3> WindowNames{"RECT", "HANN", "FLAT"};
constexpr int AudInstrument = 7;
constexpr int ModeSlmRta = 0;
constexpr int ModeFft = 1;
constexpr int ModePulseFm = 2;

MeterResponse reply(QByteArray text) {
    MeterResponse response;
    response.text = std::move(text);
    return response;
}

MeterResponse blockReply(QByteArray block) {
    MeterResponse response = reply("!");
    response.block = std::move(block);
    return response;
}

MeterResponse silence() {
    MeterResponse response;
    response.silent = true;
    return response;
}

MeterResponse delayedReply(int delayMs) {
    MeterResponse response;
    response.extraDelayMs = delayMs;
    return response;
}

MeterResponse baudChange(int baud) {
    MeterResponse response;
    response.newBaudRate = baud;
    return response;
}

QByteArray number(double value, int decimals) {
    return QByteArray::number(value, 'f', decimals);
}

// Relative harmonic levels have two integer digits on the meter's display; a level 100 dB or more down
// keeps only the last two, which is why "-05.3" means -105.3 dB. The analysis resolves nothing beyond 110 dB
// below the fundamental, so the hundreds never need more than that one wrap: a deeper line reads -109.9.
QByteArray relativeLevel(double db) {
    db = std::max(db, -109.9);
    if (db <= -100.0)
        return QString::asprintf("-%04.1f", -db - 100.0).toLatin1();
    return number(db, 1);
}
} // namespace

K37Meter::K37Meter(AcousticScene& scene, K37Profile profile, AnalyserBehaviour behaviour)
    : m_scene(scene), m_profile(std::move(profile)), m_behaviour(behaviour), m_analyser(scene, m_behaviour),
      m_instrument(m_profile.instrument) {
    m_analyser.setGainDb(gainDb(m_gain));
}

double K37Meter::fftSpanHz(int bandwidth) {
    constexpr std::array<double, 7> Spans{250.0, 500.0, 1000.0, 2000.0, 5000.0, 10000.0, 20000.0};
    return Spans[std::clamp(bandwidth, 0, 6)];
}

void K37Meter::powerOn() {
    m_poweredOn = true;
    m_baudRate = K37BaudRates[m_storedBaudCode];
    halt(RunState::Reset);
}

K37Meter::RunState K37Meter::runState(qint64 nowMs) const {
    if (m_run == RunState::Starting && !m_profile.neverReady && nowMs >= m_readyAt)
        return RunState::Running;
    return m_run;
}

bool K37Meter::measuring(qint64 nowMs) const {
    return runState(nowMs) == RunState::Running;
}

void K37Meter::run(qint64 nowMs, bool alternative) {
    m_alternativeRun = alternative;
    if (m_run == RunState::Starting || m_run == RunState::Running)
        return;
    m_run = RunState::Starting;
    m_readyAt = std::max(m_readyAt, nowMs + m_profile.runStartMs);
    m_analyser.restart(nowMs);
}

void K37Meter::halt(RunState state) {
    m_run = state;
    if (state == RunState::Reset) {
        m_heldSpectrum = {};
        m_heldTone = {};
        m_heldOverall = 0.0;
    }
}

void K37Meter::delayReady(qint64 nowMs, int settleMs) {
    m_readyAt = std::max(m_readyAt, nowMs + settleMs);
}

void K37Meter::resetSettings() {
    m_mode = 0;
    m_weighting = 2;
    m_companion = 2;
    m_detector = 0;
    m_detectorCompanion = 0;
    m_highPass = 0;
    m_window = 1;
    m_bandwidth = 3;
}

MeterResponse K37Meter::handle(const MeterCommand& command, qint64 nowMs) {
    if (!m_poweredOn)
        return silence();
    m_analyser.followScene(nowMs);
    switch (command.verb) {
    case '@':
        return {};
    case 'R':
        return read(command, nowMs);
    case 'Q':
        return query(command);
    case 'S':
        return set(command, nowMs);
    case 'M':
        return control(command, nowMs);
    case 'K':
    case 'k':
        return keys(command, nowMs);
    case '&':
        if (command.subVerb == 'I' && command.parameter == 2)
            return loadInstrument(command);
        if (command.subVerb == 'R')
            return download(command, nowMs);
        break;
    }
    return reply(UnknownCommand);
}

MeterResponse K37Meter::read(const MeterCommand& command, qint64 nowMs) {
    switch (command.parameter) {
    case k37::Identity:
        return reply(m_profile.identity);
    case k37::Firmware:
        return reply(m_profile.firmware);
    case k37::RunState: {
        if (command.argument == "2")
            return reply(nowMs >= m_keysBusyUntil ? QByteArray(" I")
                                                  : "B" + QByteArray::number(8 - keyReadiness(nowMs)));
        static const char Letters[] = {'O', 'S', 'W', 'R'};
        char letter = Letters[static_cast<int>(runState(nowMs))];
        if (letter == 'R' && m_alternativeRun)
            letter = 'V';
        return reply(QByteArray(" ") + letter);
    }
    case k37::OverallLevel:
        if (measuring(nowMs))
            m_heldOverall = m_analyser.overallLevel(m_weighting, nowMs) + calibrationOffset();
        return reply(number(m_heldOverall, 1));
    case k37::BatteryPercent: {
        const double percent = std::clamp((m_profile.batteryVolts - 4.4) / (6.0 - 4.4) * 100.0, 0.0, 100.0);
        return reply(QByteArray::number(std::lround(percent)));
    }
    case k37::PowerSource:
        return reply(m_profile.externalPower ? "EXT" : "BATT");
    case k37::SupplyVolts:
        return reply(number(m_profile.externalPower ? m_profile.externalVolts : m_profile.batteryVolts, 1));
    case k37::ToneFrequency:
        return reply(number(measuring(nowMs) ? m_analyser.analyseTone().frequencyHz : 0.0, 1));
    case k37::KeyReadiness:
        return reply(QByteArray::number(keyReadiness(nowMs)));
    case k37::LoadedInstrument: {
        if (m_instrument < 1 || m_instrument > 10)
            return reply("NONE");
        const K37Instrument& loaded = K37Instruments[m_instrument - 1];
        return reply(QByteArray(loaded.code) + ' ' + loaded.setupFile);
    }
    case k37::AnalysisValue:
        if (!audLoaded() || m_mode != ModeFft)
            return reply(NotAvailable);
        return analysisValue(command.integerArgument().value_or(-1), nowMs);
    }
    return reply(UnknownCommand);
}

MeterResponse K37Meter::analysisValue(int item, qint64 nowMs) {
    // The values are live: they follow the bandwidth in force; a stopped meter keeps showing its last ones.
    if (measuring(nowMs))
        m_heldTone = m_analyser.analyseTone(fftSpanHz(m_bandwidth));
    const MeterAnalyser::ToneAnalysis& a = m_heldTone;
    switch (item) {
    case 512: // selects the harmonic analysis display
        return {};
    case 0:
        return reply(number(a.frequencyHz, 1));
    case 256:
        return reply(number(a.frequencyHz > 0.0 ? a.levelDb + calibrationOffset() : 0.0, 1));
    case 258:
    case 259:
    case 260:
    case 261:
        if (!a.harmonicsKnown)
            return reply(" --- ");
        return reply(relativeLevel(a.harmonicsRelativeDb[item - 258]));
    case 773:
        if (!a.harmonicsKnown)
            return reply(" --- ");
        return reply(relativeLevel(a.aboveFourthRelativeDb));
    }
    return reply(UnknownCommand);
}

MeterResponse K37Meter::query(const MeterCommand& command) {
    const bool asIndex = command.argument == "32";
    switch (command.parameter) {
    case k37::Mode:
        return reply(audLoaded() ? QByteArray(ModeNames[m_mode]) : NotAvailable);
    case k37::Weighting:
        return reply(WeightingLetters[m_weighting]);
    case k37::FftWindow:
        return reply(WindowNames[m_window]);
    case k37::Bandwidth:
        return reply(QByteArray::number(m_bandwidth));
    case k37::Gain:
        return reply(QByteArray::number(asIndex ? m_gain : gainDb(m_gain)));
    case k37::Transducer:
        return reply(QByteArray::number(m_transducer));
    case k37::CalibrationOffset:
        return reply(number(calibrationOffset(), 2));
    case k37::CalibrationLevel:
        return reply(number(calibrationLevel(), 2));
    }
    return reply(UnknownCommand);
}

MeterResponse K37Meter::setChoice(const MeterCommand& command, int& setting, int highest) {
    const std::optional<int> value = command.integerArgument();
    if (!value || *value < 0 || *value > highest)
        return reply(OutOfRange);
    setting = *value;
    return {};
}

MeterResponse K37Meter::set(const MeterCommand& command, qint64 nowMs) {
    const int p = command.parameter;
    if (p == k37::BaudRate || p == k37::StoredBaudCode) {
        const std::optional<int> code = command.integerArgument();
        if (!code || *code < 0 || *code > 7)
            return reply(OutOfRange);
        if (p == k37::StoredBaudCode) {
            m_storedBaudCode = *code;
            return {};
        }
        return baudChange(K37BaudRates[*code]);
    }
    if (p == k37::Reset) {
        halt(RunState::Reset);
        return {};
    }
    // The meter takes no new set-up while it measures.
    const RunState state = runState(nowMs);
    if (state == RunState::Running || state == RunState::Starting)
        return reply(meter_error::Running);
    switch (p) {
    case k37::Mode: {
        if (!audLoaded())
            return reply(NotAvailable);
        return setChoice(command, m_mode, 2);
    }
    case k37::Weighting:
        return setChoice(command, m_weighting, 2);
    case k37::WeightingCompanion:
        return setChoice(command, m_companion, 2);
    case k37::Detector:
        return setChoice(command, m_detector, 1);
    case k37::DetectorCompanion:
        return setChoice(command, m_detectorCompanion, 1);
    case k37::HighPass:
        return setChoice(command, m_highPass, 1);
    case k37::FftWindow:
        return setChoice(command, m_window, 2);
    case k37::Bandwidth:
        return setChoice(command, m_bandwidth, 6);
    case k37::Gain: {
        const int before = m_gain;
        MeterResponse response = setChoice(command, m_gain, 7);
        if (m_gain != before) {
            const bool crossesRange = (before < 2) != (m_gain < 2);
            delayReady(nowMs, crossesRange ? m_profile.gainRangeSettleMs : m_profile.gainSettleMs);
            m_analyser.setGainDb(gainDb(m_gain));
        }
        return response;
    }
    case k37::Transducer: {
        const int before = m_transducer;
        MeterResponse response = setChoice(command, m_transducer, 1);
        if (m_transducer != before)
            delayReady(nowMs, m_profile.transducerSettleMs);
        return response;
    }
    case k37::CalibrationOffset:
    case k37::CalibrationLevel:
    case k37::Bias: {
        const std::optional<double> value = command.numberArgument();
        const double limit = p == k37::CalibrationOffset ? 99.99 : 300.0;
        if (!value || std::abs(*value) > limit || (p == k37::CalibrationLevel && *value <= 0.0))
            return reply(meter_error::ValueNotAvailable);
        (p == k37::CalibrationOffset  ? m_profile.calibrationOffsetDb
         : p == k37::CalibrationLevel ? m_profile.calibrationLevelDb
                                      : m_bias) = *value;
        return {};
    }
    }
    return reply(UnknownCommand);
}

MeterResponse K37Meter::control(const MeterCommand& command, qint64 nowMs) {
    switch (command.parameter) {
    case 2:
        m_poweredOn = false;
        halt(RunState::Reset);
        return {};
    case 3:
    case 5:
        run(nowMs, command.parameter == 5);
        return {};
    case 4:
        if (m_run != RunState::Reset)
            halt(RunState::Stopped);
        return {};
    case 7:
        halt(RunState::Reset);
        return {};
    case 9:
        resetSettings();
        return {};
    }
    return reply(UnknownCommand);
}

int K37Meter::keyReadiness(qint64 nowMs) const {
    if (nowMs >= m_keysBusyUntil || m_profile.keyMs <= 0)
        return 8;
    const qint64 pending = (m_keysBusyUntil - nowMs + m_profile.keyMs - 1) / m_profile.keyMs;
    return static_cast<int>(8 - std::min<qint64>(8, pending));
}

MeterResponse K37Meter::keys(const MeterCommand& command, qint64 nowMs) {
    const bool shifted = command.verb == 'k';
    for (const char key : command.keys) {
        if (key == '7')
            m_cursor = shifted ? std::max(0, m_cursor - 1) : 0; // shifted: one band left; plain: home
        else if (key == '8')
            m_cursor = std::min(32, m_cursor + 1);
    }
    // The Pulse/FM display pages are reached by fixed key sequences from the menu.
    if (!shifted && command.keys == "1919")
        m_pulseFmView = -1;
    else if (!shifted && command.keys == "80")
        m_pulseFmView = 0;
    else if (shifted && command.keys == "6608")
        m_pulseFmView = 2;
    else if (!shifted && command.keys == "660")
        m_pulseFmView = 4;
    m_keysBusyUntil = std::max(m_keysBusyUntil, nowMs) + command.keys.size() * m_profile.keyMs;
    return {};
}

MeterResponse K37Meter::loadInstrument(const MeterCommand& command) {
    if (m_run == RunState::Starting || m_run == RunState::Running)
        return reply(meter_error::Running);
    for (int type = 1; type <= 10; ++type) {
        if (command.argument == K37Instruments[type - 1].setupFile) {
            m_instrument = type;
            resetSettings();
            halt(RunState::Reset);
            return delayedReply(m_profile.loadInstrumentMs);
        }
    }
    return reply(FileNotFound);
}

std::uint8_t K37Meter::blockState(qint64 nowMs, bool overload) const {
    return static_cast<std::uint8_t>((measuring(nowMs) ? BlockRunning : 0) | (overload ? BlockOverload : 0));
}

QByteArray K37Meter::spectrumBlock(qint64 nowMs) {
    // A stopped meter keeps showing its last spectrum; a reset one shows nothing, and the audiometer
    // application analyses third octaves only in its SLM/RTA mode.
    if (audLoaded() && m_mode != ModeSlmRta)
        m_heldSpectrum = {};
    else if (measuring(nowMs))
        m_heldSpectrum = m_analyser.spectrum(nowMs);
    SpectrumBlock block{};
    block.blockId = 1;
    block.state = blockState(nowMs, m_heldSpectrum.overload);
    block.bandCount = SpectrumBandCount;
    for (int band = 0; band < SpectrumBandCount; ++band)
        block.bands[band] = encodeLevel(m_heldSpectrum.bands[band]);
    return blockBytes(block);
}

QByteArray K37Meter::fftBlock(qint64 nowMs) {
    FftBlock block{};
    block.blockId = 6;
    block.state = blockState(nowMs, false);
    block.bandwidth = static_cast<std::uint8_t>(m_bandwidth);
    block.lineCount = encodeCount(FftLineCount);
    const auto span = static_cast<quint32>(fftSpanHz(m_bandwidth));
    for (int i = 0; i < 4; ++i)
        block.spanHz[i] = static_cast<std::uint8_t>(span >> (24 - 8 * i));
    block.window = static_cast<std::uint8_t>(m_window);
    if (m_mode == ModeFft && measuring(nowMs)) {
        const std::array<double, 401> lines = m_analyser.fftLines(span, nowMs);
        for (int k = 0; k < 400; ++k)
            block.lines[k] = encodeLevel(lines[k]);
        block.lastLineWholeDb = encodeLevel(lines[400]).wholeDb;
    }
    return blockBytes(block);
}

QByteArray K37Meter::pulseFmBlock(qint64 nowMs) {
    PulseFmBlock block{};
    block.blockId = 7;
    block.state = blockState(nowMs, false);
    block.mode = static_cast<std::uint8_t>(m_mode);
    if (m_mode == ModePulseFm && measuring(nowMs)) {
        const MeterAnalyser::PulseFm a = m_analyser.analysePulseFm(nowMs);
        const PulseTiming& p = a.timing;
        const bool ratioFailed = a.pulseFound && a.onLevelDb - a.offLevelDb < 20.0;
        block.status = static_cast<std::uint8_t>((a.pulseFound ? PulseFound : 0) | (a.fmFound ? FmFound : 0) |
                                                 (ratioFailed ? OnOffRatioFailed : 0));
        block.pulseEdges = static_cast<std::uint8_t>(std::min(255, 2 * a.pulseCount));
        block.pulseCount = encodeCount(a.pulseCount);
        if (a.pulseFound) {
            block.riseTime = encodeHalfMilliseconds(p.riseMs);
            block.fallTime = encodeHalfMilliseconds(p.fallMs);
            block.onTime = encodeHalfMilliseconds(p.onMs);
            block.offTime = encodeHalfMilliseconds(p.offMs);
            block.plateau = encodeHalfMilliseconds(p.plateauMs);
            block.offLevel = encodeLevel(a.offLevelDb + calibrationOffset());
            block.onLevel = encodeLevel(a.onLevelDb);
        }
        block.carrier = encodeFrequency(a.carrierHz);
        block.highest = encodeFrequency(a.highestHz);
        block.lowest = encodeFrequency(a.lowestHz);
        block.rate = encodeFrequency(a.rateHz);
    }
    return blockBytes(block);
}

MeterResponse K37Meter::download(const MeterCommand& command, qint64 nowMs) {
    switch (command.parameter) {
    case 1:
        return blockReply(spectrumBlock(nowMs));
    case 6:
        return audLoaded() ? blockReply(fftBlock(nowMs)) : reply(meter_error::DownloadRefused);
    case 7:
        return audLoaded() ? blockReply(pulseFmBlock(nowMs)) : reply(meter_error::DownloadRefused);
    }
    return reply(UnknownCommand);
}

} // namespace orvik::sim
