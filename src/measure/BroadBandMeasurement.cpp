#include "measure/BroadBandMeasurement.h"

#include "measure/BroadBandSpectrum.h"
#include "measure/DialSettingText.h"
#include "measure/ListNumber.h"
#include "measure/PageFactory.h"
#include "measure/TestRegistry.h"
#include "measure/WaitForMeterReady.h"

namespace orvik {

namespace {
constexpr FreqIndex At1000 = freqIndexOf(1000.0f);
constexpr int FftVariant = 8;
constexpr int SpectrumBlockBytes = 811;
constexpr int DownloadTries = 5;
constexpr int DownloadTimeout = 5;
const QString Missing = QStringLiteral("----");

// As the list names them, as the prompts name them, and as unattended runs report them.
constexpr const char* SourceNames[BroadBandSourceCount] = {"White Noise", "Tape/CD A", "Tape/CD B"};
constexpr const char* PromptNames[BroadBandSourceCount] = {" Audiometer White Noise", "Tape/CD A White Noise",
                                                           "Tape/CD B White Noise"};
constexpr const char* SourceKeys[BroadBandSourceCount] = {"white", "tapea", "tapeb"};

ResultRow deviationRow(ResultList& list, int index, const BroadBandSource& source) {
    ResultRow row;
    row.frequency = At1000;
    row.cells << QLatin1String(SourceNames[index]) << QStringLiteral("+-%1 dB").arg(listNumber(BroadBandLimitDb));
    if (!broadBandMeasured(source)) {
        row.cells << Missing << Missing << Missing << Missing;
        return row;
    }
    const BroadBandJudgement judgement = judgeBroadBand(source);
    // The point is the frequency of the greatest deviation; the key names the source.
    row.point = listNumber(judgement.maxDeviationHz, 0);
    judgeValue(list, row, QLatin1String(SourceKeys[index]), judgement.passes(), listNumber(judgement.maxDeviation));
    row.cells << markedIfFailing(listNumber(judgement.maxDeviation), judgement.passes())
              << listNumber(judgement.maxDeviationHz, 0) << QString::number(judgement.failures)
              << (judgement.passes() ? QStringLiteral("Pass") : QStringLiteral("Fail"));
    return row;
}

ResultRow levelRow(int index, const BroadBandSource& source, BroadBandListView view) {
    ResultRow row;
    row.frequency = At1000;
    row.cells << QLatin1String(SourceNames[index]);
    if (!broadBandMeasured(source))
        row.cells << Missing;
    else if (view == BroadBandListView::OverallSpl)
        row.cells << listNumber(broadBandOverallSpl(source));
    else
        row.cells << listNumber(source.level[broadBandLineOf(BroadBandReferenceHz)]);
    return row;
}
} // namespace

ResultList buildBroadBandList(const BroadBandSource (&sources)[BroadBandSourceCount], BroadBandListView view) {
    ResultList list;
    switch (view) {
    case BroadBandListView::Deviation:
        list.columns = {"Sound Source",     "Target Value",       "Max Deviation",
                        "Freq at Max Dev.", "Number of Failures", "Result"};
        break;
    case BroadBandListView::OverallSpl:
        list.columns = {"Sound Source", "Overall SPL"};
        break;
    case BroadBandListView::SplAt1000:
        list.columns = {"Sound Source", "SPL at 1000 Hz"};
        break;
    }
    for (int index = 0; index < BroadBandSourceCount; ++index)
        list.rows << (view == BroadBandListView::Deviation ? deviationRow(list, index, sources[index])
                                                           : levelRow(index, sources[index], view));
    return list;
}

BroadBandMeasurement::BroadBandMeasurement(AudiometerRecord& record, MeterLink& link, TransducerKind transducer,
                                           Channel channel)
    : Measurement(record, link, transducer, channel, TestNumber::BroadBandMasking) {
    earphoneKindOf(transducer, m_earphone);
    std::copy(std::begin(record.results.broadBand[int(m_earphone)][int(channel)]),
              std::end(record.results.broadBand[int(m_earphone)][int(channel)]), std::begin(m_sources));
    // Alternate mode 1 checks the level at 1 kHz only, for which no pass band is given: its list shows that level
    // and judges nothing.
    if (link.alternateMode == AlternateModeKind::One)
        m_view = BroadBandListView::SplAt1000;
    loadInputs();
}

void BroadBandMeasurement::loadInputs() {
    m_dialHl = m_record.results.inputLevels.broadBand[int(m_transducer)];
}

bool BroadBandMeasurement::setDialSettingText(const QString& text) {
    return readDialSetting(text, m_dialHl, m_link.messages());
}

void BroadBandMeasurement::setListView(BroadBandListView view) {
    m_view = view;
    fillList();
}

QString BroadBandMeasurement::note() const {
    return m_link.alternateMode == AlternateModeKind::One
               ? QStringLiteral("Existing results check noise level at 1 kHz.\nRetest to check noise level from 250 "
                                "Hz to 5000 Hz.")
               : QString();
}

PageVerdict BroadBandMeasurement::takeDataBack() {
    std::copy(std::begin(m_sources), std::end(m_sources),
              std::begin(m_record.results.broadBand[int(m_earphone)][int(m_channel)]));
    m_record.results.inputLevels.broadBand[int(m_transducer)] = qint16(m_dialHl);
    fillList();
    return m_verdict;
}

void BroadBandMeasurement::fillList() {
    m_list = buildBroadBandList(m_sources, m_view);
    // The verdict is the judgement's whichever figures the list shows.
    const bool judged = m_link.alternateMode != AlternateModeKind::One;
    m_verdict = judged ? buildBroadBandList(m_sources, BroadBandListView::Deviation).verdict : PageVerdict::NoneJudged;
    refill();
}

QString BroadBandMeasurement::viewDataRefusal(const QList<int>& rows) const {
    if (rows.isEmpty() || rows.front() < 0 || rows.front() >= BroadBandSourceCount)
        return QStringLiteral("Select the test for which you wish to view the data graph.");
    if (!broadBandMeasured(m_sources[rows.front()]))
        return QStringLiteral("There is no valid data for the selected test to display");
    return {};
}

bool BroadBandMeasurement::viewDataAllowed(const QList<int>& rows) {
    const QString refusal = viewDataRefusal(rows);
    if (!refusal.isEmpty())
        m_link.messages().show(refusal);
    return refusal.isEmpty();
}

QList<QPointF> BroadBandMeasurement::viewDataPoints(int row) const {
    if (row < 0 || row >= BroadBandSourceCount)
        return {};
    return broadBandGraphPoints(m_sources[row]);
}

int BroadBandMeasurement::measureAll() {
    return measureSources({0, 1, 2}, false);
}

int BroadBandMeasurement::measureSelected(const QList<int>& rows) {
    QList<int> sources;
    for (int row : rows)
        if (row >= 0 && row < BroadBandSourceCount)
            sources << row;
    return sources.isEmpty() ? 0 : measureSources(sources, true);
}

int BroadBandMeasurement::measureSources(const QList<int>& sources, bool selectedRun) {
    return runSources(
        int(sources.size()), [&sources](int n) { return QString::fromLatin1(SourceNames[sources[n]]); },
        [&](int n) {
            const int source = sources[n];
            PointPlan plan;
            plan.dialText = QString::asprintf(" %d dBHL %s on %s", m_dialHl, qPrintable(channelName(m_channel)),
                                              PromptNames[source]);
            plan.frequency = At1000;
            plan.checkMode = n == 0 || selectedRun;
            plan.mode = MeterMode::Fft;
            plan.variant = FftVariant;
            plan.checkingText = QStringLiteral("Checking the K37 for FFT mode");
            plan.selectedRun = selectedRun;
            measurePoint(plan, [&](ProgressWindow& window) { return readSource(source, plan.dialText, window); });
        });
}

PointAttempt BroadBandMeasurement::readSource(int source, const QString& dialText, ProgressWindow& progress) {
    for (;;) {
        float levels[BroadBandLevelCount]{};
        if (const int status = readSpectrum(levels, progress); status < 0)
            return {status, {}};
        const float at1000 = levels[broadBandLineOf(BroadBandReferenceHz)];
        if (at1000 > NotMeasuredLimit) {
            std::copy(std::begin(levels), std::end(levels), std::begin(m_sources[source].level));
            m_sources[source].dialHl = m_dialHl;
            return {0, {}};
        }
        const QString question = QString::asprintf(
            "Level at 1000 Hz was too low (%.1f dB).\n\nWould you like to measure again?\n(Please check the "
            "audiometer to make sure the signal is on\nand that it is set to%s.\nAlso check the K37 to make sure it "
            "is measuring data.)\n\nClick OK to re-measure.\nClick Cancel to cancel the measurement.",
            double(at1000), qPrintable(dialText));
        if (m_link.messages().show(question, MessageButtons::OkCancel) != MessageAnswer::Ok)
            return {Status::Cancelled, {}};
    }
}

int BroadBandMeasurement::readSpectrum(float (&levels)[BroadBandLevelCount], ProgressWindow& progress) {
    int status = useSpectrumBandwidth(progress);
    if (status >= 0 && !m_offsetRead) {
        status = readCalibrationOffset(&progress);
        if (status >= 0)
            status = setMeterGain(m_link, WorkingGain, &progress);
    }
    if (status >= 0) {
        progress.setStatus(QStringLiteral("Waiting for stable reading...."));
        status = waitForMeterReady(m_link.meter(), false, &progress);
    }
    // Whatever step of the set-up the meter failed in, the run ends with the technician told why.
    if (status < 0) {
        if (status != Status::Cancelled)
            m_link.messages().show(QString::asprintf("Failed communication with K37: Data Error:%d", status));
        return status;
    }
    return downloadSpectrum(levels);
}

int BroadBandMeasurement::useSpectrumBandwidth(ProgressWindow& progress) {
    SlmCommander& meter = m_link.meter();
    int current = -1;
    if (const int status = meter.getBandwidth(current); status < 0 || current == BroadBandFftBandwidth)
        return status;
    progress.setStatus(QStringLiteral("Setting bandwidth on the K37"));
    if (progress.checkCancelButton())
        return Status::Cancelled;
    meter.stop();
    if (const int status = meter.setBandwidth(BroadBandFftBandwidth); status < 0)
        return status;
    meter.run();
    progress.setStatus(QStringLiteral("Waiting for the K37 to stabilize"));
    if (progress.checkCancelButton())
        return Status::Cancelled;
    return waitForMeterReady(meter, false, &progress);
}

int BroadBandMeasurement::downloadSpectrum(float (&levels)[BroadBandLevelCount]) {
    int status = 0;
    for (int attempt = 0; attempt < DownloadTries; ++attempt) {
        QByteArray block;
        status = m_link.meter().downloadBlock("&R6", SpectrumBlockBytes, block, DownloadTimeout);
        if (status >= 0 && broadBandLevelsFromBlock(block, m_calibrationOffset, levels))
            return status;
    }
    if (status >= 0)
        status = Status::BlockTimeout;
    m_link.messages().show(QString::asprintf("K37 failed download data: Data Error:%d", status));
    return status;
}

std::unique_ptr<Measurement> makeBroadBandPage(const PageContext& context) {
    auto page =
        std::make_unique<BroadBandMeasurement>(context.record, context.link, context.transducer, context.channel);
    page->fillList();
    return page;
}

namespace {
const TestRegistration broadBandTest({QStringLiteral("bb"), 8, {PageKind::BroadBand}});
} // namespace

} // namespace orvik
