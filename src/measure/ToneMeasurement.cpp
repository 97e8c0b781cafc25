#include "measure/ToneMeasurement.h"

#include "core/Settings.h"
#include "measure/LevelCorrections.h"
#include "measure/PageFactory.h"
#include "measure/ReadStableSpectrum.h"
#include "measure/TestRegistry.h"
#include "measure/ToneFrequencyReading.h"
#include "measure/WaitForMeterReady.h"
#include "meter/MeterProtocol.h"
#include "model/FixedText.h"

#include <algorithm>
#include <cstring>

namespace orvik {

namespace {
constexpr float StartPromptLimit = 5.0f;
constexpr double LowestFrequencyHz = 75.0;
constexpr int FmReadingsPerPoint = 3;
constexpr int InvalidFmLimit = 30;
constexpr int FmDownloadTimeout = 5;

TestNumber testOf(ToneKind kind) {
    switch (kind) {
    case ToneKind::Frequency:
        return TestNumber::FrequencyAccuracy;
    case ToneKind::Fm:
        return TestNumber::FrequencyModulation;
    case ToneKind::NarrowBand:
        return TestNumber::NarrowBandLevel;
    case ToneKind::HearingLevel:
        break;
    }
    return TestNumber::HearingLevel;
}

ToneKind toneKindOf(int test) {
    switch (test) {
    case 1:
        return ToneKind::Frequency;
    case 6:
        return ToneKind::Fm;
    case 7:
        return ToneKind::NarrowBand;
    default:
        return ToneKind::HearingLevel;
    }
}

int ear(Channel channel) {
    return channel == Channel::Right ? 1 : 0;
}

} // namespace

ToneMeasurement::ToneMeasurement(AudiometerRecord& record, MeterLink& link, TransducerKind transducer, Channel channel,
                                 ToneKind kind)
    : Measurement(record, link, transducer, channel, testOf(kind)), m_kind(kind) {
    const int t = int(transducer), e = ear(channel);
    std::memcpy(m_blocks.tone, record.results.tone[t][e], sizeof m_blocks.tone);
    std::memcpy(m_blocks.fm, record.results.fm[t][e], sizeof m_blocks.fm);
    std::memcpy(m_blocks.narrowBand, record.results.narrowBand[t][e], sizeof m_blocks.narrowBand);
    for (FreqIndex i = 0; i < FrequencyCount; ++i)
        m_dial[i] = kind == ToneKind::NarrowBand ? m_blocks.narrowBand[i].dialHl : m_blocks.tone[i].dialHl;
}

void ToneMeasurement::setDialLevels(const qint16 (&levels)[FrequencyCount]) {
    if (m_kind == ToneKind::HearingLevel || m_kind == ToneKind::NarrowBand)
        std::copy(std::begin(levels), std::end(levels), std::begin(m_dial));
}

std::unique_ptr<Measurement> makeTonePage(const PageContext& context) {
    auto page = std::make_unique<ToneMeasurement>(context.record, context.link, context.transducer, context.channel,
                                                  toneKindOf(context.test));
    page->loadInputs();
    page->fillList();
    return page;
}

void ToneMeasurement::loadInputs() {
    const InputLevels& levels = m_record.results.inputLevels;
    const int t = int(m_transducer);
    setDialLevels(m_kind == ToneKind::NarrowBand ? levels.narrowBand[t].level : levels.hearingLevel[t].level);
}

PageVerdict ToneMeasurement::takeDataBack() {
    const int t = int(m_transducer), e = ear(m_channel);
    switch (m_kind) {
    case ToneKind::Fm:
        std::memcpy(m_record.results.fm[t][e], m_blocks.fm, sizeof m_blocks.fm);
        break;
    case ToneKind::NarrowBand:
        std::memcpy(m_record.results.narrowBand[t][e], m_blocks.narrowBand, sizeof m_blocks.narrowBand);
        break;
    default:
        std::memcpy(m_record.results.tone[t][e], m_blocks.tone, sizeof m_blocks.tone);
    }
    fillList();
    return m_verdict;
}

void ToneMeasurement::fillList() {
    m_list = buildHLFreqList({m_record.setup, m_transducer, m_kind, m_showCorrections, m_blocks, m_dial});
    m_verdict = m_list.verdict;
    SettingsStore& settings = m_link.services.settings;
    if (m_list.missing.warningPending()) {
        if (Setting::ShowRetsplWarn.read(settings))
            m_link.messages().show(missingReferenceWarning(m_list.missing));
        if (!Setting::DisplayEmptyRetSpl.read(settings))
            m_list.rows.removeIf([](const ResultRow& row) { return row.greyed; });
    }
    refill();
}

void ToneMeasurement::toggleAppliedCorrections() {
    if (!appliedCorrectionsAvailable())
        return;
    m_showCorrections = !m_showCorrections;
    fillList();
}

FreqIndex ToneMeasurement::frequencyOfRow(int row) const {
    if (row < 0 || row >= m_list.rows.size() || m_list.rows[row].cells.isEmpty())
        return -1;
    bool ok = false;
    const double hz = m_list.rows[row].cells.first().toDouble(&ok);
    if (!ok)
        return -1;
    for (FreqIndex i = 0; i < FrequencyCount; ++i)
        if (frequencyHz(i) >= hz)
            return i;
    return -1;
}

bool ToneMeasurement::runAllowed() {
    return equipmentReady(m_kind == ToneKind::HearingLevel || m_kind == ToneKind::NarrowBand);
}

double ToneMeasurement::resultAt(FreqIndex i) const {
    switch (m_kind) {
    case ToneKind::Frequency:
        return m_blocks.tone[i].frequency;
    case ToneKind::Fm:
        return m_blocks.fm[i].carrier;
    case ToneKind::NarrowBand:
        return m_blocks.narrowBand[i].spl;
    case ToneKind::HearingLevel:
        break;
    }
    return m_blocks.tone[i].spl;
}

FreqIndex ToneMeasurement::startIndex() {
    const auto& selected = m_record.setup.frequencySelected;
    FreqIndex lastSelected = -1, firstDone = -1, lastDone = -1;
    for (FreqIndex i = 0; i < FrequencyCount; ++i) {
        if (!selected[i])
            continue;
        lastSelected = i;
        if (resultAt(i) > StartPromptLimit) {
            if (firstDone < 0)
                firstDone = i;
            lastDone = i;
        }
    }
    if (lastDone < 0 || lastDone >= lastSelected || firstDone == 0)
        return 0;
    const QString question = QString::asprintf("Start 'Measure All' from the beginning (Yes), or after %.0f "
                                               "Hz?\nIndividual frequencies can be tested with 'Measure Selected'",
                                               double(frequencyHz(lastDone)));
    return m_link.messages().show(question, MessageButtons::YesNo) == MessageAnswer::No ? lastDone + 1 : 0;
}

int ToneMeasurement::measureAll() {
    if (m_running)
        return m_lastStatus;
    m_running = true;
    m_lastStatus = 0;
    if (runAllowed()) {
        QList<FreqIndex> points;
        for (FreqIndex i = startIndex(); i <= lastListedIndex(m_kind); ++i)
            if (m_record.setup.frequencySelected[i])
                points << i;
        runPoints(points, false);
    }
    m_running = false;
    return m_lastStatus;
}

int ToneMeasurement::measureSelected(const QList<int>& rows) {
    if (m_running || rows.isEmpty())
        return m_lastStatus;
    QList<FreqIndex> points;
    for (int row : rows)
        if (const FreqIndex i = frequencyOfRow(row); i >= 0 && i <= lastListedIndex(m_kind))
            points << i;
    m_running = true;
    m_lastStatus = 0;
    if (runAllowed())
        runPoints(points, true);
    m_running = false;
    return m_lastStatus;
}

void ToneMeasurement::runPoints(const QList<FreqIndex>& points, bool selectedRun) {
    Measurement::runPoints(
        points, selectedRun, [&](FreqIndex i, bool checkMode) { return measureOne(i, checkMode, selectedRun); },
        [this] { pointDone(); });
}

void ToneMeasurement::pointDone() {
    m_measuring = -1;
    fillList();
}

PointOutcome ToneMeasurement::measureOne(FreqIndex i, bool checkMode, bool selectedRun) {
    m_measuring = i;
    switch (m_kind) {
    case ToneKind::Frequency:
        return frequencyPoint(i, checkMode, selectedRun);
    case ToneKind::Fm:
        return fmPoint(i, checkMode);
    default:
        return levelPoint(i, checkMode, selectedRun);
    }
}

PointOutcome ToneMeasurement::levelPoint(FreqIndex i, bool checkMode, bool selectedRun) {
    const bool narrow = m_kind == ToneKind::NarrowBand;
    const double hz = frequencyHz(i);
    PointPlan plan;
    plan.dialText = QString::asprintf(narrow ? " NB %d dBHL %s at %.0f Hz" : " %d dBHL %s at %.0f Hz", int(m_dial[i]),
                                      qPrintable(channelName(m_channel)), hz);
    plan.frequency = i;
    plan.checkMode = checkMode;
    plan.mode = MeterMode::SlmRta;
    plan.variant = narrow ? 7 : 0;
    plan.checkingText = QStringLiteral("Checking the K37 for SLM/RTA mode");
    plan.selectedRun = selectedRun;
    return measurePoint(plan, [&](ProgressWindow& progress) -> PointAttempt {
        const int status = measureBandLevel(i, &progress);
        if (status == Status::Cancelled)
            return {status, {}};
        if (status < 0)
            return {status, unstableQuestion(i, selectedRun)};
        const float spl = float(m_bandLevel - microphoneCorrection(m_transducer, i, m_record.setup));
        if (spl <= NotMeasuredLimit) {
            const QString opening = QString::asprintf("Measured SPL was too low (%.1f dB).", double(spl));
            return {status, recheckQuestion(opening, "\n\n", hz, QLatin1Char(' ') + plan.dialText, "at this frequency",
                                            selectedRun)};
        }
        if (narrow)
            m_blocks.narrowBand[i] = {spl, m_dial[i]};
        else {
            m_blocks.tone[i].spl = spl;
            m_blocks.tone[i].dialHl = m_dial[i];
        }
        return {status, {}};
    });
}

int ToneMeasurement::readToneFrequency(double& hz, ProgressWindow& progress) {
    if (progress.checkCancelButton())
        return Status::Cancelled;
    SlmCommander& meter = m_link.meter();
    QByteArray reply;
    int status = meter.sendCommand("R241,512", &reply, 40, 2);
    if (status >= 0)
        status = meter.sendCommand("R241,0", &reply, 40, 2);
    hz = status >= 0 ? meter::replyNumber(reply) : 0.0;
    return status;
}

PointOutcome ToneMeasurement::frequencyPoint(FreqIndex i, bool checkMode, bool selectedRun) {
    const double hz = frequencyHz(i);
    PointPlan plan;
    plan.dialText = QString::asprintf(" 80 dBHL (or max level) %s at %.0f Hz", qPrintable(channelName(m_channel)), hz);
    plan.frequency = i;
    plan.checkMode = checkMode;
    plan.mode = MeterMode::Fft;
    plan.variant = 1;
    plan.checkingText = QStringLiteral("Checking the K37 for FFT mode");
    plan.selectedRun = selectedRun;
    return measurePoint(plan, [&](ProgressWindow& progress) -> PointAttempt {
        if (setFftBandwidth(m_link, i, FrequencyBandwidthThreshold, &progress) == Status::Cancelled)
            return {Status::Cancelled, {}};
        m_link.meter().run();
        progress.setStatus(QStringLiteral("Getting multiple readings..."));
        const ToneFrequencyResult reading =
            settleToneFrequency(hz, [&](double& value) { return readToneFrequency(value, progress); });
        if (reading.status == Status::Cancelled)
            return {Status::Cancelled, {}};
        if (reading.status >= 0 && !reading.consistent())
            m_link.messages().show(inconsistentFrequencyMessage(reading.kept));
        if (reading.status < 0 || !reading.consistent()) {
            const QString question = selectedRun
                                         ? recheckQuestion(QStringLiteral("Failed to measure the Frequency."), "\n", hz,
                                                           QLatin1Char(' ') + plan.dialText, "this frequency", true)
                                         : recheckQuestion(QStringLiteral("Unable to read the Frequency."), "", hz,
                                                           plan.dialText, "at this frequency", false);
            return {-1, question};
        }
        if (reading.hz <= LowestFrequencyHz) {
            const QString opening = QString::asprintf("Measured frequency was too low (%.0f Hz).", reading.hz);
            const QString setTo = selectedRun ? QLatin1Char(' ') + plan.dialText : plan.dialText;
            return {reading.status, recheckQuestion(opening, "\n\n", hz, setTo, "at this frequency", selectedRun)};
        }
        m_blocks.tone[i].frequency = float(reading.hz);
        m_lastFrequency = float(reading.hz);
        return {reading.status, {}};
    });
}

PointOutcome ToneMeasurement::fmPoint(FreqIndex i, bool checkMode) {
    const double hz = frequencyHz(i);
    PointPlan plan;
    plan.dialText =
        QString::asprintf(" FM 90 dBHL (or max level) %s at %.0f Hz (make sure the K37 readings are steady)",
                          qPrintable(channelName(m_channel)), hz);
    plan.frequency = i;
    plan.checkMode = checkMode;
    plan.mode = MeterMode::PulseFm;
    plan.variant = 6;
    plan.checkingText = QStringLiteral("Checking the K37 for Pulse/FM mode");
    return measurePoint(plan, [&](ProgressWindow& progress) -> PointAttempt {
        FmEntry kept[FrequencyCount];
        std::memcpy(kept, m_blocks.fm, sizeof kept);
        const auto restore = [&] { std::memcpy(m_blocks.fm, kept, sizeof kept); };
        for (;;) {
            std::array<FmReply, 3> readings{};
            const int status = fmTriple(i, progress, readings);
            if (status < 0) {
                if (m_link.messages().show(QStringLiteral("Do you wish to save your new readings?"),
                                           MessageButtons::YesNo) != MessageAnswer::Yes)
                    restore();
                return {Status::Cancelled, {}};
            }
            if (fmReadingsAgree(readings)) {
                m_blocks.fm[i] = fmMean(readings);
                return {status, {}};
            }
            if (m_link.messages().show(QStringLiteral("Unable to get a good reading (probably due to too much "
                                                      "external noise).\n Try again?"),
                                       MessageButtons::YesNo) != MessageAnswer::Yes) {
                restore();
                return {Status::Cancelled, {}};
            }
        }
    });
}

int ToneMeasurement::fmTriple(FreqIndex i, ProgressWindow& progress, std::array<FmReply, 3>& readings) {
    int status = 0;
    for (int n = 0; n < FmReadingsPerPoint; ++n) {
        const QString label = QString::asprintf("Measuring %d of %d", n + 1, FmReadingsPerPoint);
        status = fmReading(progress, label, readings[std::size_t(n)]);
        if (status < 0)
            return status;
        // Each reading lands in the point at once, so a cancelled triple can keep what it has.
        const FmReply& r = readings[std::size_t(n)];
        m_blocks.fm[i] = {float(r.carrier), float(r.rate), float(r.lowest), float(r.highest), r.byte3, r.byte4};
    }
    return status;
}

int ToneMeasurement::fmReading(ProgressWindow& progress, const QString& label, FmReply& reply) {
    const auto say = [&](const char* text) {
        progress.setStatus(labelled(label, QString::fromLatin1(text)));
        return progress.checkCancelButton();
    };
    if (const int status = readCalibrationOffset(&progress, label); status < 0)
        return status;
    int gain = 0;
    if (const int status = queryMeterGain(m_link.meter(), gain); status < 0)
        return status;
    if (gain != WorkingGain) {
        const int status = setMeterGain(m_link, WorkingGain, &progress, label);
        if (status < 0)
            return status;
        m_gainSetForFrequency = true;
    }
    if (say("Waiting for K37 to be ready"))
        return Status::Cancelled;
    if (const int status = waitForMeterReady(m_link.meter(), false, &progress); status < 0)
        return status;
    if (say("Attempting to read stable data from the K37"))
        return Status::Cancelled;
    if (const int status = waitForTwoValidFm(progress); status < 0)
        return status;
    if (say("Reading data from the K37"))
        return Status::Cancelled;
    return downloadFm(reply);
}

int ToneMeasurement::waitForTwoValidFm(ProgressWindow& progress) {
    int invalid = 0, validInRow = 0;
    while (validInRow < 2) {
        if (progress.checkCancelButton())
            return Status::Cancelled;
        FmReply reply;
        if (const int status = downloadFm(reply); status < 0)
            return status;
        if (!reply.valid()) {
            validInRow = 0;
            ++invalid;
            if (invalid > InvalidFmLimit && reply.pureTone()) {
                if (m_link.messages().show(
                        QStringLiteral("Only a pure tone is heard. Make sure FM is set.\nTry Again?"),
                        MessageButtons::YesNo) != MessageAnswer::Yes)
                    return Status::Cancelled;
                invalid = 0;
            }
            continue;
        }
        if (invalid > InvalidFmLimit) {
            if (m_link.messages().show(QStringLiteral("Could not get a stable reading.\nTry Again?"),
                                       MessageButtons::YesNo) != MessageAnswer::Yes)
                return Status::Cancelled;
            invalid = 0;
            validInRow = 0;
            continue;
        }
        ++validInRow;
    }
    return 0;
}

int ToneMeasurement::downloadFm(FmReply& reply) {
    QByteArray block;
    const int status = m_link.meter().downloadBlock("&R7", FmBlockSize, block, FmDownloadTimeout);
    if (status < 0) {
        m_link.messages().show(QString::asprintf("Data Error:%d on Command %s", status, "&R7"));
        return status;
    }
    reply = parseFmReply(block);
    return status;
}

namespace {
// The tests whose pages this measurement runs, by the keys unattended runs know them by.
const TestRegistration toneTests[] = {
    TestRegistration({QStringLiteral("hl"), 0, {PageKind::Tone}}),
    TestRegistration({QStringLiteral("freq"), 1, {PageKind::Tone}}),
    TestRegistration({QStringLiteral("fm"), 6, {PageKind::Tone}}),
    TestRegistration({QStringLiteral("nb"), 7, {PageKind::Tone}}),
};
} // namespace

} // namespace orvik
