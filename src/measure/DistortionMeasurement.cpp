#include "measure/DistortionMeasurement.h"

#include "measure/HarmonicReading.h"
#include "measure/PageFactory.h"
#include "measure/TestRegistry.h"
#include "meter/MeterProtocol.h"
#include "meter/Status.h"

#include <algorithm>

namespace orvik {

namespace {
// The meter's FFT gives harmonic figures only from this firmware revision on.
constexpr double FirstHarmonicFirmware = 3.5;
constexpr int FirmwareReplyMaximum = 50;
constexpr int FirmwareTimeout = 1;
constexpr int Firmware = 90;

int ear(Channel channel) {
    return channel == Channel::Right ? 1 : 0;
}
} // namespace

DistortionMeasurement::DistortionMeasurement(AudiometerRecord& record, MeterLink& link, TransducerKind transducer,
                                             Channel channel, const DistortionProfile& profile)
    : Measurement(record, link, transducer, channel, TestNumber::HarmonicDistortion), m_profile(profile) {
    std::copy(std::begin(recordBlock()), std::end(recordBlock()), std::begin(m_entries));
}

DistortionEntry (&DistortionMeasurement::recordBlock())[LowFrequencyCount] {
    return m_record.results.distortion[int(m_transducer)][ear(m_channel)];
}

PageVerdict DistortionMeasurement::takeDataBack() {
    std::copy(std::begin(m_entries), std::end(m_entries), std::begin(recordBlock()));
    fillList();
    return m_verdict;
}

void DistortionMeasurement::fillList() {
    m_list = buildDistortionList(m_profile, m_record.setup, m_entries);
    m_verdict = m_list.verdict;
    refill();
}

bool DistortionMeasurement::firmwareAllows() {
    QByteArray reply;
    const int status = m_link.meter().sendCommand("R" + QByteArray::number(Firmware), &reply, FirmwareReplyMaximum,
                                                  FirmwareTimeout);
    if (status < 0) {
        m_lastStatus = status;
        return false;
    }
    const double revision = meter::replyNumber(reply);
    if (revision >= FirstHarmonicFirmware)
        return true;
    m_link.messages().show(QString::asprintf(
        "Unable to perform distortion measurements with the firmware revision in the K37 (%.3f).\n\nPlease upgrade "
        "the K37 firmware to 3.5 or greater to perform distortion measurements.",
        revision));
    return false;
}

bool DistortionMeasurement::runAllowed() {
    return firmwareAllows() && equipmentReady(!m_profile.bone);
}

int DistortionMeasurement::measureAll() {
    if (m_running)
        return m_lastStatus;
    m_running = true;
    m_lastStatus = 0;
    if (runAllowed()) {
        QList<FreqIndex> points;
        for (FreqIndex i = m_profile.firstIndex; i <= m_profile.lastIndex; ++i)
            if (m_record.setup.frequencySelected[i])
                points << i;
        runPoints(points, false);
    }
    m_running = false;
    return m_lastStatus;
}

int DistortionMeasurement::measureSelected(const QList<int>& rows) {
    if (m_running || rows.isEmpty())
        return m_lastStatus;
    QList<FreqIndex> points;
    for (int row : rows)
        if (row >= 0 && row < m_list.rows.size())
            points << m_list.rows[row].frequency;
    m_running = true;
    m_lastStatus = 0;
    if (runAllowed())
        runPoints(points, true);
    m_running = false;
    return m_lastStatus;
}

void DistortionMeasurement::runPoints(const QList<FreqIndex>& points, bool selectedRun) {
    RunProgress progress(m_link.services.progress, ProgressCaption::Measurement, int(points.size()));
    m_run = &progress;
    // A cancel while the meter is being made ready ends the run before its first dial prompt.
    int status = matchMeterTransducer(m_link, microphoneInUse(), progress);
    if (status != Status::Cancelled && !m_profile.bone)
        status = setMeterGain(m_link, WorkingGain, &progress);
    if (status == Status::Cancelled)
        cancelRun();
    for (int n = 0; n < points.size() && m_lastStatus != Status::Cancelled; ++n) {
        progress.startPoint(n, QString::asprintf("%.0f Hz", double(frequencyHz(points[n]))));
        m_measuring = points[n];
        const PointOutcome outcome = measureOne(points[n], selectedRun || n == 0);
        m_measuring = -1;
        fillList();
        progress.pointDone();
        if (outcome == PointOutcome::Cancelled)
            break;
    }
    m_run = nullptr;
}

PointOutcome DistortionMeasurement::measureOne(FreqIndex index, bool checkMode) {
    PointPlan plan;
    plan.dialText = m_profile.dialText(index, channelName(m_channel));
    plan.frequency = index;
    plan.checkMode = checkMode;
    plan.mode = MeterMode::Fft;
    plan.variant = int(TestNumber::HarmonicDistortion);
    plan.checkingText = QStringLiteral("Checking the K37 for FFT mode");
    return measurePoint(plan, [this, index](ProgressWindow& progress) -> PointAttempt {
        const HarmonicResult result = readHarmonics(m_link, index, progress, m_entries[index]);
        switch (result.outcome) {
        case HarmonicOutcome::Read:
        case HarmonicOutcome::Failed:
            return {result.status, {}};
        case HarmonicOutcome::NotComputed:
            return {result.status, notComputedQuestion(index)};
        case HarmonicOutcome::FundamentalTooLow:
            break;
        }
        return {Status::NeverStable, {}};
    });
}

QString DistortionMeasurement::notComputedQuestion(FreqIndex index) const {
    const char* cause = m_profile.bone ? "The signal may not be high enough or too high and has overloaded\nSLM. Check "
                                         "the SLM for overload condition or try\nincreasing the HL setting on the "
                                         "audiometer.\n\n"
                                       : "This may be because the signal is not high enough.\nIncreasing the HL "
                                         "setting on the audiometer may help.\n\n";
    return QStringLiteral("The K37 is unable to calculate the harmonics.\n") + QLatin1String(cause) +
           QString::asprintf("Would you like to measure again at %.0f Hz?\n\nClick Yes to re-measure at this "
                             "frequency.\nClick No to go on to the next frequency (if there is one).\nClick Cancel to "
                             "cancel the measurement.",
                             double(frequencyHz(index)));
}

std::unique_ptr<Measurement> makeDistortionPage(const PageContext& context) {
    auto page = std::make_unique<DistortionMeasurement>(context.record, context.link, context.transducer,
                                                        context.channel, earphoneDistortion());
    page->fillList();
    return page;
}

std::unique_ptr<Measurement> makeBoneDistortionPage(const PageContext& context) {
    auto page = std::make_unique<DistortionMeasurement>(context.record, context.link, TransducerKind::BoneVibrator,
                                                        Channel::Left, boneDistortion());
    page->fillList();
    return page;
}

namespace {
const TestRegistration distortionTests[] = {
    TestRegistration({QStringLiteral("thd"), 3, {PageKind::Distortion}}),
    TestRegistration({QStringLiteral("bonethd"), 3, {PageKind::BoneDistortion}}),
};
} // namespace

} // namespace orvik
