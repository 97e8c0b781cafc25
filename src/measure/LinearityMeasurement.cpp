#include "measure/LinearityMeasurement.h"

#include "core/Settings.h"
#include "measure/LevelCorrections.h"
#include "measure/LinearityList.h"
#include "measure/PageFactory.h"
#include "measure/TestRegistry.h"
#include "meter/K37Commands.h"
#include "meter/MeterProtocol.h"

#include <algorithm>
#include <cmath>

namespace orvik {

namespace {
constexpr int TriesPerLevel = 5;
// Below the noise floor plus this much a level reads the meter rather than the audiometer.
constexpr float NoiseFloorMarginDb = 5.0f;
constexpr int LinearityVariant = 2;

LinearityBlock& storedBlock(AudiometerRecord& record, TransducerKind transducer, Channel channel) {
    return record.results.linearity[int(transducer)][channel == Channel::Right ? 1 : 0];
}

bool holdsReadings(const LinearityBlock& block) {
    return block.noiseFloor != 0.0f ||
           std::any_of(std::begin(block.spl), std::end(block.spl), [](float spl) { return spl != 0.0f; });
}
} // namespace

LinearityMeasurement::LinearityMeasurement(AudiometerRecord& record, MeterLink& link, TransducerKind transducer,
                                           Channel channel)
    : Measurement(record, link, transducer, channel, TestNumber::Linearity),
      m_block(storedBlock(record, transducer, channel)) {
    // A block never run starts from the usual inputs; a stored one is held to what the page can show.
    if (!(m_block.testFrequency > 0.0f)) {
        m_block.testFrequency = frequencyHz(DefaultLinearityFrequency);
        m_block.maxDialLevel = DefaultMaxDialLevel;
    }
    m_block.maxDialLevel = qint16(clampMaxDialLevel(m_block.maxDialLevel));
    m_block.dialStep = qint16(dialStepOrDefault(m_block.dialStep));
    m_noiseFloorMeasured = m_block.noiseFloor != 0.0f;
}

QList<FreqIndex> LinearityMeasurement::frequenciesOffered() const {
    QList<FreqIndex> offered;
    for (FreqIndex i = 0; i < FrequencyCount; ++i)
        if (m_record.setup.frequencySelected[i])
            offered << i;
    return offered;
}

void LinearityMeasurement::clearReadings() {
    std::fill(std::begin(m_block.spl), std::end(m_block.spl), 0.0f);
}

void LinearityMeasurement::setTestFrequency(FreqIndex frequency) {
    if (!isFreqIndex(frequency) || m_running)
        return;
    const LinearityBlock& stored = storedBlock(m_record, m_transducer, m_channel);
    const float hz = frequencyHz(frequency);
    if (stored.testFrequency == hz && holdsReadings(stored) &&
        m_link.messages().show(QStringLiteral("Use old data (Yes) or clear the readings (No)?"),
                               MessageButtons::YesNo) == MessageAnswer::Yes) {
        m_block = stored;
        m_block.maxDialLevel = qint16(clampMaxDialLevel(m_block.maxDialLevel));
        m_block.dialStep = qint16(dialStepOrDefault(m_block.dialStep));
        m_noiseFloorMeasured = m_block.noiseFloor != 0.0f;
    } else {
        clearReadings();
        m_block.noiseFloor = 0.0f;
        m_noiseFloorMeasured = false;
        m_block.testFrequency = hz;
    }
    fillList();
}

void LinearityMeasurement::setMaxDialLevel(int typed) {
    const int level = clampMaxDialLevel(typed);
    if (level == m_block.maxDialLevel || m_running)
        return;
    m_block.maxDialLevel = qint16(level);
    clearReadings();
    fillList();
}

void LinearityMeasurement::setDialStep(int step) {
    if (m_running)
        return;
    m_block.dialStep = qint16(dialStepOrDefault(step));
    fillList();
}

LinearityDirection LinearityMeasurement::direction() const {
    const int stored = Setting::LinDirection.read(m_link.services.settings);
    return stored >= 0 && stored <= 2 ? LinearityDirection(stored) : LinearityDirection::Down;
}

void LinearityMeasurement::setDirection(LinearityDirection direction) {
    Setting::LinDirection.write(m_link.services.settings, int(direction));
}

PageVerdict LinearityMeasurement::takeDataBack() {
    storedBlock(m_record, m_transducer, m_channel) = m_block;
    fillList();
    return m_verdict;
}

void LinearityMeasurement::fillList() {
    m_list = buildLinearityList(m_record.setup, m_transducer, m_block, m_noiseFloorMeasured);
    m_verdict = m_list.verdict;
    refill();
}

void LinearityMeasurement::showLevel(int level) {
    fillList();
    if (const int row = linearityLevelRow(m_list, level); row >= 0 && onLevelShown)
        onLevelShown(row);
}

int LinearityMeasurement::plannedPoints() const {
    const int step = dialStep();
    const int floor = m_noiseFloorMeasured ? std::max(0, truncatedNoiseFloor(m_block.noiseFloor)) : 0;
    const int lowest = direction() == LinearityDirection::Up
                           ? firstUpLevel(m_noiseFloorMeasured ? m_block.noiseFloor : 0.0f, m_block.maxDialLevel, step)
                           : floor;
    return std::max(0, (m_block.maxDialLevel - lowest) / step + 1) + (m_noiseFloorMeasured ? 0 : 1);
}

void LinearityMeasurement::startPoint(const QString& what) {
    m_run->startPoint(m_point++, what);
}

// The meter's transducer for the microphone, then the display's cursor on the band of the test frequency so that
// the technician sees what is read. A link that fails here ends the run; keys the meter is slow to take only
// leave its display behind, which is no reason to stop.
bool LinearityMeasurement::prepareRun(RunProgress& progress) {
    if (matchMeterTransducer(m_link, microphoneInUse(), progress) == Status::Cancelled) {
        cancelRun();
        return false;
    }
    if (const int status = m_link.keys.goToFrequency(testFrequency()); status < 0 && status != Status::KeysNotReady) {
        m_lastStatus = status;
        return false;
    }
    return true;
}

int LinearityMeasurement::measureAll() {
    if (m_running)
        return m_lastStatus;
    const LinearityDirection way = direction();
    return runWith(plannedPoints(), [this, way] {
        if (way == LinearityDirection::Up)
            runUp();
        else
            runDown(way == LinearityDirection::Auto);
    });
}

int LinearityMeasurement::measureSelected(const QList<int>& rows) {
    if (m_running || rows.isEmpty() || rows.first() < 0 || rows.first() >= m_list.rows.size())
        return m_lastStatus;
    const int level = linearityRowLevel(m_list, rows.first());
    return runWith(1, [this, level] {
        if (level < 0)
            measureNoiseFloor();
        else
            measureLevel(level, true);
    });
}

// What every run shares: the equipment check, one progress window, the meter made ready, and the list refilled
// at the end whatever happened.
int LinearityMeasurement::runWith(int points, const std::function<void()>& body) {
    m_running = true;
    m_lastStatus = 0;
    m_endRun = false;
    m_point = 0;
    if (equipmentReady(true)) {
        RunProgress progress(m_link.services.progress, ProgressCaption::Measurement, points);
        m_run = &progress;
        if (prepareRun(progress))
            body();
        m_run = nullptr;
        fillList();
    }
    m_running = false;
    return m_lastStatus;
}

void LinearityMeasurement::runUp() {
    if (!m_noiseFloorMeasured && !measureNoiseFloor())
        return;
    const int step = dialStep();
    const float floor = m_noiseFloorMeasured ? m_block.noiseFloor : 0.0f;
    for (int level = firstUpLevel(floor, m_block.maxDialLevel, step); level <= m_block.maxDialLevel; level += step)
        if (!measureLevel(level, false))
            return;
}

void LinearityMeasurement::runDown(bool keepReadings) {
    const int step = dialStep();
    const int top = m_block.maxDialLevel;
    const auto lowest = [this] {
        return std::max(0, m_noiseFloorMeasured ? truncatedNoiseFloor(m_block.noiseFloor) : 0);
    };
    for (int level = top; level >= lowest(); level -= step) {
        if (keepReadings && hasLinearityReading(m_block.spl[level]))
            continue;
        if (level < top - step && noiseFloorDueAt(level)) {
            if (!measureNoiseFloor())
                return;
            if (m_noiseFloorMeasured && float(level) < m_block.noiseFloor + NoiseFloorMarginDb)
                break;
        }
        if (!measureLevel(level, false))
            return;
    }
    if (!m_noiseFloorMeasured)
        measureNoiseFloor();
}

// At the sensitive gain a step that strays from the dial step means the meter's floor has begun to lift the
// readings: the floor is measured then, once, to tell how much further down the series can go.
bool LinearityMeasurement::noiseFloorDueAt(int level) const {
    if (m_noiseFloorMeasured || m_gainDb != gainValueOfSetting(QuietLinearityGain))
        return false;
    const int step = dialStep();
    const float upper = m_block.spl[level + 2 * step];
    const float lower = m_block.spl[level + step];
    if (!hasLinearityReading(upper) || !hasLinearityReading(lower))
        return false;
    return !stepPasses(double(upper) - double(lower) - step, step);
}

// False when the run ends here: the technician cancelled, or stopped after a level that would not read.
bool LinearityMeasurement::measureLevel(int level, bool selectedRun) {
    PointPlan plan;
    plan.dialText = QString::asprintf(" %d dBHL %s at %.1f Hz", level, qPrintable(channelName(m_channel)),
                                      double(frequencyHz(testFrequency())));
    plan.frequency = testFrequency();
    plan.checkMode = true;
    plan.mode = MeterMode::SlmRta;
    plan.variant = LinearityVariant;
    plan.checkingText = QStringLiteral("Checking the K37 for SLM/RTA mode");
    plan.selectedRun = selectedRun;
    startPoint(QStringLiteral("%1 dBHL").arg(level));
    const PointOutcome outcome = measurePoint(plan, [this, level](ProgressWindow& progress) {
        return PointAttempt{readLevel(level, progress), {}};
    });
    m_run->pointDone();
    showLevel(level);
    return outcome != PointOutcome::Cancelled && !m_endRun;
}

int LinearityMeasurement::readLevel(int level, ProgressWindow& progress) {
    const int gainSetting = gainSettingForLevel(level);
    int status = bringGainTo(gainSetting, progress);
    if (status < 0)
        return status;
    const FreqIndex frequency = testFrequency();
    for (int attempt = 0; attempt < TriesPerLevel; ++attempt) {
        status = readBand(gainSetting, progress);
        if (status >= 0) {
            m_block.spl[level] = float(m_bandLevel - microphoneCorrection(m_transducer, frequency, m_record.setup));
            return status;
        }
        if (status == Status::Cancelled)
            return status;
        m_block.spl[level] = LinearityUnstable;
    }
    m_endRun = endRunAfterFailures();
    return status;
}

bool LinearityMeasurement::endRunAfterFailures() {
    return m_link.messages().show(QStringLiteral("Failed to get a good reading after 5 tries.\n Proceeding to next "
                                                 "level."),
                                  MessageButtons::OkCancel) != MessageAnswer::Ok;
}

// One stable reading of the test frequency's band: the meter is restarted so that the reading starts afresh on
// the level just set.
int LinearityMeasurement::readBand(int gainSetting, ProgressWindow& progress) {
    if (const int status = readCalibrationOffset(&progress); status < 0)
        return status;
    progress.setStatus(QStringLiteral("Stabilizing the signal"));
    if (progress.checkCancelButton())
        return Status::Cancelled;
    SlmCommander& meter = m_link.meter();
    meter.stop();
    meter.run();
    return measureBandLevel(testFrequency(), &progress, gainSetting);
}

// The noise floor: the band level with the audiometer at its minimum, without the microphone correction, since
// it is compared with band levels. False when the run ends here.
bool LinearityMeasurement::measureNoiseFloor() {
    const QString prompt = QString::asprintf("Noise Floor: Set Minimum dBHL %s at %.1f Hz",
                                             qPrintable(channelName(m_channel)), double(frequencyHz(testFrequency())));
    if (m_link.messages().show(prompt, MessageButtons::OkCancel) != MessageAnswer::Ok) {
        cancelRun();
        return false;
    }
    startPoint(QStringLiteral("Noise Floor"));
    RunProgress& progress = *m_run;
    int status = bringGainTo(QuietLinearityGain, progress);
    for (int attempt = 0; status != Status::Cancelled && attempt < TriesPerLevel; ++attempt) {
        status = readBand(QuietLinearityGain, progress);
        if (status >= 0) {
            m_block.noiseFloor = m_bandLevel;
            m_noiseFloorMeasured = true;
            break;
        }
    }
    progress.pointDone();
    fillList();
    if (status == Status::Cancelled) {
        cancelRun();
        return false;
    }
    if (status < 0)
        m_endRun = endRunAfterFailures();
    return !m_endRun;
}

// "Q148" gives the gain in dB. A link that fails is recovered with the technician (Cancel ends the run) and the
// question asked again.
int LinearityMeasurement::readGainValue(int& gainDb) {
    for (;;) {
        QByteArray reply;
        const int status = m_link.meter().sendCommand(k37::QueryGainValue, &reply, 40, 2);
        if (status >= 0) {
            gainDb = int(std::lround(meter::replyNumber(reply)));
            return status;
        }
        if (!m_link.session.recoverLink(MeterSession::RecoveryTexts::Measurement))
            return Status::Cancelled;
    }
}

int LinearityMeasurement::bringGainTo(int setting, ProgressWindow& progress) {
    if (const int status = readGainValue(m_gainDb); status < 0)
        return status;
    if (m_gainDb == gainValueOfSetting(setting))
        return 0;
    for (;;) {
        const int status = setMeterGain(m_link, setting, &progress);
        if (status == Status::Cancelled)
            return status;
        if (status >= 0)
            break;
        if (!m_link.session.recoverLink(MeterSession::RecoveryTexts::Measurement))
            return Status::Cancelled;
    }
    m_gainDb = gainValueOfSetting(setting);
    return 0;
}

std::unique_ptr<Measurement> makeLinearityPage(const PageContext& context) {
    auto page =
        std::make_unique<LinearityMeasurement>(context.record, context.link, context.transducer, context.channel);
    page->fillList();
    return page;
}

namespace {
const TestRegistration linearityTest({QStringLiteral("lin"), 2, {PageKind::Linearity}});
} // namespace

} // namespace orvik
