#include "measure/PulseMeasurement.h"

#include "measure/FmReading.h"
#include "measure/ListNumber.h"
#include "measure/PageFactory.h"
#include "measure/TestRegistry.h"
#include "measure/WaitForMeterReady.h"

namespace orvik {

namespace {
constexpr FreqIndex PulseFrequency = freqIndexOf(1000.0f);
constexpr int DownloadTries = 15;
constexpr int NotAPulseLimit = 50;
constexpr int NotAPulsePauseMs = 2000;
constexpr int DownloadTimeout = 5;
const QString Missing = QStringLiteral("----");

void judgeTime(ResultList& list, ResultRow& row, const char* key, float ms, bool passes) {
    judgeValue(list, row, QLatin1String(key), passes, listNumber(ms));
    row.cells << markedIfFailing(listNumber(ms), passes);
}

bool within(float value, float low, float high) {
    return value >= low && value <= high;
}
} // namespace

ResultList buildPulseList(const TestSetup& setup, const PulseBlock& block) {
    ResultList list;
    list.columns = {"Frequency", "Rise Time", "Fall Time", "On Time", "Off Time", "Plateau", "On/Off Ratio"};
    if (!setup.frequencySelected[PulseFrequency])
        return list;
    ResultRow row;
    row.frequency = PulseFrequency;
    row.cells << listNumber(frequencyHz(PulseFrequency), 0);
    if (block.level2 <= NotMeasuredLimit) {
        for (int n = 0; n < 6; ++n)
            row.cells << Missing;
        list.rows << row;
        return list;
    }
    judgeTime(list, row, "rise", block.riseTime, within(block.riseTime, PulseEdgeLowMs, PulseEdgeHighMs));
    judgeTime(list, row, "fall", block.fallTime, within(block.fallTime, PulseEdgeLowMs, PulseEdgeHighMs));
    judgeTime(list, row, "on", block.onTime, within(block.onTime, PulseOnOffLowMs, PulseOnOffHighMs));
    judgeTime(list, row, "off", block.offTime, within(block.offTime, PulseOnOffLowMs, PulseOnOffHighMs));
    judgeTime(list, row, "plateau", block.plateau, block.plateau >= PulsePlateauLowMs);
    const bool ratioPasses = (block.frequency[PulseFrequency].status[0] & PulseRatioFailed) == 0;
    judgeValue(list, row, QStringLiteral("ratio"), ratioPasses,
               ratioPasses ? QStringLiteral("OK") : QStringLiteral("Failed"));
    row.cells << (ratioPasses ? QStringLiteral("OK") : QStringLiteral("(Failed)"));
    list.rows << row;
    return list;
}

PulseMeasurement::PulseMeasurement(AudiometerRecord& record, MeterLink& link, TransducerKind transducer,
                                   Channel channel)
    : Measurement(record, link, transducer, channel, TestNumber::Pulse), m_block(record.results.pulse[int(transducer)]) {}

PageVerdict PulseMeasurement::takeDataBack() {
    m_record.results.pulse[int(m_transducer)] = m_block;
    fillList();
    return m_verdict;
}

void PulseMeasurement::fillList() {
    m_list = buildPulseList(m_record.setup, m_block);
    m_verdict = m_list.verdict;
    refill();
}

int PulseMeasurement::measureAll() {
    if (m_running)
        return m_lastStatus;
    m_running = true;
    m_lastStatus = 0;
    if (equipmentReady(true) && m_record.setup.frequencySelected[PulseFrequency]) {
        RunProgress progress(m_link.services.progress, ProgressCaption::Measurement, 1);
        m_run = &progress;
        if (matchMeterTransducer(m_link, microphoneInUse(), progress) == Status::Cancelled) {
            cancelRun();
        } else {
            progress.startPoint(0, QStringLiteral("1000 Hz"));
            PointPlan plan;
            plan.dialText = QString::asprintf(" PULSED 110 dBHL (or max level) %s at %.1f Hz",
                                              qPrintable(channelName(m_channel)), double(frequencyHz(PulseFrequency)));
            plan.frequency = PulseFrequency;
            plan.checkMode = true;
            plan.mode = MeterMode::PulseFm;
            plan.variant = 4;
            plan.checkingText = QStringLiteral("Checking the K37 for Pulse/FM mode");
            measurePoint(plan, [this](ProgressWindow& window) { return readPulse(window); });
            progress.pointDone();
        }
        m_run = nullptr;
        fillList();
    }
    m_running = false;
    return m_lastStatus;
}

PointAttempt PulseMeasurement::readPulse(ProgressWindow& progress) {
    if (!m_offsetRead) {
        if (const int status = readCalibrationOffset(&progress); status < 0)
            return {status, {}};
        if (const int status = setMeterGain(m_link, WorkingGain, &progress); status < 0)
            return {status, {}};
    }
    progress.setStatus(QStringLiteral("Waiting for K37 to be ready"));
    if (const int status = waitForMeterReady(m_link.meter(), false, &progress); status < 0)
        return {status, {}};
    for (int replies = 1;; ++replies) {
        if (progress.checkCancelButton())
            return {Status::Cancelled, {}};
        PulseReply reply;
        if (const int status = downloadPulse(reply); status < 0)
            return {status, {}};
        if (reply.isPulse()) {
            storePulse(reply, m_block, PulseFrequency);
            return {0, {}};
        }
        if (replies >= NotAPulseLimit) {
            m_link.messages().show(QString::asprintf("Failed to read the pulse after %d tries", replies));
            return {Status::NeverStable, {}};
        }
        m_link.services.clock.sleep(NotAPulsePauseMs);
    }
}

int PulseMeasurement::downloadPulse(PulseReply& reply) {
    int status = 0;
    for (int attempt = 0; attempt < DownloadTries; ++attempt) {
        QByteArray block;
        status = m_link.meter().downloadBlock("&R7", FmBlockSize, block, DownloadTimeout);
        if (status >= 0 && parsePulseReply(block, m_calibrationOffset, reply))
            return status;
        m_link.messages().show(QString::asprintf("Download Error:%d Offset:%.1f", status, double(m_calibrationOffset)));
    }
    return status < 0 ? status : Status::BlockTimeout;
}

std::unique_ptr<Measurement> makePulsePage(const PageContext& context) {
    auto page = std::make_unique<PulseMeasurement>(context.record, context.link, context.transducer, context.channel);
    page->fillList();
    return page;
}

namespace {
const TestRegistration pulseTest({QStringLiteral("pulse"), 4, {PageKind::Pulse}});
} // namespace

} // namespace orvik
