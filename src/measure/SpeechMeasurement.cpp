#include "measure/SpeechMeasurement.h"

#include "core/PumpWait.h"
#include "measure/DialSettingText.h"
#include "measure/LevelCorrections.h"
#include "measure/PageFactory.h"
#include "measure/TestRegistry.h"
#include "measure/WaitForMeterReady.h"

#include <algorithm>

namespace orvik {

namespace {
constexpr FreqIndex At1000 = freqIndexOf(1000.0f);
constexpr int SpeechVariant = 9; // C weighting
constexpr int OverallReadings = 16;
constexpr int AgreeingReadings = 5;
constexpr int OverallPauseMs = 200;
constexpr float OverallToleranceDb = 1.0f;
} // namespace

SpeechMeasurement::SpeechMeasurement(AudiometerRecord& record, MeterLink& link, TransducerKind transducer,
                                     Channel channel, TestNumber test)
    : Measurement(record, link, transducer, channel, test) {
    const auto& stored = record.results.speech[int(transducer)][int(channel)];
    std::copy(std::begin(stored), std::end(stored), std::begin(m_sources));
    loadInputs();
}

void SpeechMeasurement::loadInputs() {
    m_dialHl = m_record.results.inputLevels.speech[int(m_transducer)];
}

bool SpeechMeasurement::setDialSettingText(const QString& text) {
    return readDialSetting(text, m_dialHl, m_link.messages());
}

QStringList SpeechMeasurement::placementNames() {
    return {QStringLiteral("Mastoid"), QStringLiteral("Forehead")};
}

QStringList SpeechMeasurement::angleNames() {
    return {QStringLiteral("0°"), QStringLiteral("45°"), QStringLiteral("90°")};
}

void SpeechMeasurement::setPlacement(int placement) {
    if (placement >= 0 && placement < placementNames().size())
        m_placement = placement;
}

void SpeechMeasurement::setAngle(int angle) {
    if (angle >= 0 && angle < angleNames().size())
        m_angle = angle;
}

SpeechReference SpeechMeasurement::reference() const {
    SpeechSource entry{};
    entry.placement = qint16(m_placement);
    entry.angle = qint16(m_angle);
    return speechReference(m_record.setup, m_transducer, 0, entry, m_link.alternateMode);
}

PageVerdict SpeechMeasurement::takeDataBack() {
    auto& stored = m_record.results.speech[int(m_transducer)][int(m_channel)];
    std::copy(std::begin(m_sources), std::end(m_sources), std::begin(stored));
    m_record.results.inputLevels.speech[int(m_transducer)] = qint16(m_dialHl);
    fillList();
    return m_verdict;
}

void SpeechMeasurement::fillList() {
    m_list = buildSpeechList(m_record.setup, m_transducer, m_sources, m_link.alternateMode);
    m_verdict = m_list.verdict;
    refill();
}

int SpeechMeasurement::measureAll() {
    QList<int> sources;
    for (int source = 0; source < SpeechSourceCount; ++source)
        sources << source;
    return measureSources(sources, false);
}

int SpeechMeasurement::measureSelected(const QList<int>& rows) {
    QList<int> sources;
    for (int row : rows)
        if (row >= 0 && row < SpeechSourceCount)
            sources << row;
    return sources.isEmpty() ? 0 : measureSources(sources, true);
}

QString SpeechMeasurement::dialText(int source) const {
    const QString name = speechSourceName(source);
    if (m_transducer == TransducerKind::BoneVibrator)
        return QStringLiteral(" %1 %2 dBHL %3").arg(name).arg(m_dialHl).arg(placementNames()[m_placement]);
    if (m_transducer == TransducerKind::SoundField)
        return QStringLiteral(" %1 %2 dBHL %3").arg(name).arg(m_dialHl).arg(angleNames()[m_angle]);
    return QStringLiteral(" %1 %2 dBHL").arg(name).arg(m_dialHl);
}

int SpeechMeasurement::measureSources(const QList<int>& sources, bool selectedRun) {
    return runSources(
        int(sources.size()), [&sources](int n) { return speechSourceName(sources[n]); },
        [&](int n) {
            const int source = sources[n];
            PointPlan plan;
            plan.dialText = dialText(source);
            plan.frequency = At1000;
            plan.checkMode = n == 0 || selectedRun;
            plan.mode = MeterMode::SlmRta;
            plan.variant = SpeechVariant;
            plan.checkingText = QStringLiteral("Checking the K37 for SLM/RTA mode");
            plan.selectedRun = selectedRun;
            measurePoint(plan, [&](ProgressWindow& window) {
                return readSource(source, plan.dialText, selectedRun, window);
            });
        });
}

PointAttempt SpeechMeasurement::readSource(int source, const QString& dialText, bool selectedRun,
                                           ProgressWindow& progress) {
    float level = 0.0f;
    const bool overall = source == SpeechWhiteNoise;
    const int status = overall ? readOverallLevel(level, progress) : measureBandLevel(At1000, &progress);
    if (status == Status::Cancelled)
        return {status, {}};
    // Any failed reading offers to measure again, as on the tone pages: the technician learns why the source was
    // not stored.
    if (status < 0)
        return {status, unstableQuestion(At1000, selectedRun)};
    if (!overall)
        level = float(m_bandLevel - microphoneCorrection(m_transducer, At1000, m_record.setup));
    if (level <= NotMeasuredLimit) {
        const QString question = QString::asprintf(
            "Measured SPL was too low (%.1f dB).\n\nWould you like to measure again?\n(Please check the audiometer "
            "to make sure the noise source is on\nand that it is set to%s.\nAlso check the K37 to make sure it is "
            "measuring data.)\n\nClick Yes to re-measure.\nClick No to go on to the next speech measurement (if "
            "there is one).\nClick Cancel to cancel the measurement.",
            double(level), qPrintable(dialText));
        return {0, question};
    }
    m_sources[source] = {level, qint16(m_dialHl), qint16(m_placement), qint16(m_angle)};
    return {0, {}};
}

// The overall level follows a change of the dial with the meter's time weighting, so one reading just after the
// prompt would catch it on the way: it is read like a band, until five readings in a row agree within 1.0 dB.
int SpeechMeasurement::readOverallLevel(float& level, ProgressWindow& progress) {
    if (const int status = setMeterGain(m_link, WorkingGain, &progress); status < 0)
        return status;
    progress.setStatus(QStringLiteral("Reading overall SPL"));
    if (const int status = waitForMeterReady(m_link.meter(), false, &progress); status < 0)
        return status;
    QList<float> readings;
    for (int reading = 0; reading < OverallReadings; ++reading) {
        if (reading > 0 && !PumpWaitOrCancel(m_link.services.clock, OverallPauseMs / 1000.0, &progress))
            return Status::Cancelled;
        float value = 0.0f;
        if (const int status = m_link.meter().readLevel(value); status < 0)
            return status;
        readings << value;
        if (readings.size() > AgreeingReadings)
            readings.removeFirst();
        const auto [low, high] = std::minmax_element(readings.cbegin(), readings.cend());
        m_lastSpread = *high - *low;
        if (readings.size() == AgreeingReadings && m_lastSpread <= OverallToleranceDb) {
            level = readings.last();
            return 0;
        }
    }
    return Status::NeverStable;
}

// "Speech Harmonic Distortion" shares the speech pages, but nothing says how it reads harmonics: it measures
// nothing rather than pass speech levels off as distortion.
std::unique_ptr<Measurement> makeSpeechPage(const PageContext& context) {
    if (context.test != int(TestNumber::Speech))
        return nullptr;
    auto page = std::make_unique<SpeechMeasurement>(context.record, context.link, context.transducer,
                                                    context.channel, TestNumber::Speech);
    page->fillList();
    return page;
}

namespace {
const TestRegistration speechTest({QStringLiteral("speech"), 9, {PageKind::Speech}});
} // namespace

} // namespace orvik
