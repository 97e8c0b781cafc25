#include "measure/Measurement.h"

#include "core/Settings.h"
#include "measure/LevelCorrections.h"
#include "measure/ReadStableSpectrum.h"
#include "meter/K37Commands.h"
#include "meter/MeterProtocol.h"
#include "model/FixedText.h"
#include "model/FrequencyTable.h"

namespace orvik {

namespace {
constexpr float LevelToleranceDb = 1.0f;
constexpr int LevelPauseMs = 200;

MessageButtons retryButtons(bool selectedRun) {
    return selectedRun ? MessageButtons::YesNo : MessageButtons::YesNoCancel;
}
} // namespace

Measurement::Measurement(AudiometerRecord& record, MeterLink& link, TransducerKind transducer, Channel channel,
                         TestNumber test)
    : m_record(record), m_link(link), m_transducer(transducer), m_channel(channel), m_test(test) {}

QString Measurement::microphoneInUse() const {
    const QString calibrated = m_link.calibratedMicrophoneModel ? m_link.calibratedMicrophoneModel() : QString();
    if (!calibrated.isEmpty())
        return calibrated;
    return fixedText(microphoneOfTransducer(m_record.setup, m_transducer).identity.model);
}

int Measurement::readCalibrationOffset(ProgressWindow* progress, const QString& label) {
    if (m_offsetRead)
        return 0;
    if (progress) {
        progress->setStatus(labelled(label, QStringLiteral("Reading calibration offset")));
        if (progress->checkCancelButton())
            return Status::Cancelled;
    }
    QByteArray reply;
    const int status = m_link.meter().sendCommand(k37::QueryCalibrationOffset, &reply, 40, 2);
    if (status < 0)
        return status;
    m_calibrationOffset = float(meter::replyNumber(reply));
    m_offsetRead = true;
    return status;
}

int Measurement::measureBandLevel(FreqIndex frequency, ProgressWindow* progress, int gain) {
    if (const int status = readCalibrationOffset(progress); status < 0)
        return status;
    int current = 0;
    if (const int status = queryMeterGain(m_link.meter(), current); status < 0)
        return status;
    if (current != gain) {
        const int status = setMeterGain(m_link, gain, progress);
        if (status < 0)
            return status;
        m_gainSetForLevel = true;
    }
    m_spectrum.fill(0.0f);
    m_band = bandOfFrequencyIndex(frequency);
    StableSpectrumRequest request;
    request.band = m_band;
    request.calibrationOffset = m_calibrationOffset;
    request.toleranceDb = LevelToleranceDb;
    request.pauseMs = LevelPauseMs;
    StableSpectrum result;
    const int status = readStableSpectrum(m_link.meter(), m_link.messages(), request, result, progress);
    m_lastSpread = result.lastSpread;
    if (status >= 0) {
        m_spectrum = result.levels;
        m_bandLevel = result.levels[std::size_t(m_band)];
    }
    return status;
}

QString Measurement::retryTail(bool selectedRun) {
    return selectedRun ? QStringLiteral("Click No to cancel the measurement.")
                       : QStringLiteral("Click No to go on to the next frequency (if there is one).\nClick Cancel to "
                                        "cancel the measurement.");
}

QString Measurement::recheckQuestion(const QString& opening, const char* gap, double hz, const QString& setTo,
                                     const char* remeasure, bool selectedRun) {
    return opening + QLatin1String(gap) +
           QString::asprintf("Would you like to measure again at %.0f Hz?\n(Please check the audiometer to make sure "
                             "the signal is on\nand that it is set to",
                             hz) +
           setTo +
           QStringLiteral(".\nAlso check the K37 to make sure it is measuring data.)\n\nClick Yes to re-measure ") +
           QLatin1String(remeasure) + QStringLiteral(".\n") + retryTail(selectedRun);
}

QString Measurement::unstableQuestion(FreqIndex frequency, bool selectedRun) const {
    return QString::asprintf("Failed to get a stable reading. High - Low = %.2f\nWould you like to measure again at "
                             "%.0f Hz?\nClick Yes to re-measure at this frequency.\n",
                             double(m_lastSpread), double(frequencyHz(frequency))) +
           retryTail(selectedRun);
}

bool Measurement::equipmentReady(bool gridMatters) {
    const TestSetup& setup = m_record.setup;
    SettingsStore& settings = m_link.services.settings;
    if (!checkRequiredEquipment(int(m_transducer), setup, m_channel, m_link.messages()))
        return false;
    const bool askForGrid = Setting::AskForGrid.read(settings) != 0;
    return !(gridMatters && m_transducer == TransducerKind::Circumaural && askForGrid && m_gridQuestion &&
             askAboutGrid(setup, settings, *m_gridQuestion));
}

void Measurement::runPoints(const QList<FreqIndex>& points, bool selectedRun, const PointRunner& measureOne,
                            const std::function<void()>& pointDone) {
    RunProgress progress(m_link.services.progress, ProgressCaption::Measurement, int(points.size()));
    m_run = &progress;
    int status = matchMeterTransducer(m_link, microphoneInUse(), progress);
    int gain = 0;
    if (status != Status::Cancelled && queryMeterGain(m_link.meter(), gain) >= 0 && gain != WorkingGain)
        status = setMeterGain(m_link, WorkingGain, &progress);
    if (status == Status::Cancelled)
        cancelRun();
    for (int n = 0; n < points.size() && m_lastStatus != Status::Cancelled; ++n) {
        progress.startPoint(n, QString::asprintf("%.0f Hz", double(frequencyHz(points[n]))));
        const PointOutcome outcome = measureOne(points[n], selectedRun || n == 0);
        pointDone();
        progress.pointDone();
        if (outcome == PointOutcome::Cancelled)
            break;
    }
    m_run = nullptr;
}

void Measurement::runLevelPoints(const QList<FreqIndex>& points, bool selectedRun, const PointRunner& measureOne,
                                 FreqIndex& measuring) {
    if (m_running)
        return;
    m_running = true;
    m_lastStatus = 0;
    if (equipmentReady(false))
        runPoints(points, selectedRun, measureOne, [this, &measuring] {
            measuring = -1;
            fillList();
        });
    m_running = false;
}

int Measurement::runSources(int count, const std::function<QString(int)>& name,
                            const std::function<void(int)>& measureOne) {
    if (m_running)
        return m_lastStatus;
    m_running = true;
    m_lastStatus = 0;
    if (equipmentReady(true)) {
        RunProgress progress(m_link.services.progress, ProgressCaption::Measurement, count);
        m_run = &progress;
        if (matchMeterTransducer(m_link, microphoneInUse(), progress) == Status::Cancelled)
            cancelRun();
        for (int n = 0; n < count && m_lastStatus >= 0; ++n) {
            progress.startPoint(n, name(n));
            measureOne(n);
            progress.pointDone();
            fillList();
        }
        m_run = nullptr;
        fillList();
    }
    m_running = false;
    return m_lastStatus;
}

void Measurement::refill() {
    if (onRefill)
        onRefill();
}

PointOutcome Measurement::measurePoint(const PointPlan& plan,
                                       const std::function<PointAttempt(ProgressWindow&)>& attempt) {
    MessageBox& messages = m_link.messages();
    if (messages.show(QStringLiteral("Set") + plan.dialText, MessageButtons::OkCancel) != MessageAnswer::Ok) {
        cancelRun();
        return PointOutcome::Cancelled;
    }
    m_link.keys.goToFrequency(plan.frequency);
    RunProgress& progress = *m_run;
    if (plan.checkMode) {
        progress.setStatus(plan.checkingText);
        while (!ensureMeterMode(m_link, plan.mode, plan.variant, true)) {
            if (messages.show(QStringLiteral("Communication with the K37 failed.\nPlease verify that all connections "
                                             "are correct and the K37 is turned on."),
                              MessageButtons::OkCancel) != MessageAnswer::Ok) {
                cancelRun();
                return PointOutcome::Cancelled;
            }
        }
    }
    for (;;) {
        const PointAttempt result = attempt(progress);
        m_lastStatus = result.status;
        if (result.status == Status::Cancelled)
            return PointOutcome::Cancelled;
        if (result.retryQuestion.isEmpty())
            return result.status >= 0 ? PointOutcome::Stored : PointOutcome::Skipped;
        switch (messages.show(result.retryQuestion, retryButtons(plan.selectedRun))) {
        case MessageAnswer::Yes:
            continue;
        case MessageAnswer::No:
            if (!plan.selectedRun)
                return PointOutcome::Skipped;
            [[fallthrough]];
        default:
            cancelRun();
            return PointOutcome::Cancelled;
        }
    }
}

} // namespace orvik
