#include "measure/CrossTalkMeasurement.h"

#include "measure/LevelCorrections.h"
#include "measure/ListNumber.h"
#include "measure/PageFactory.h"
#include "measure/TestRegistry.h"

namespace orvik {

namespace {
constexpr FreqIndex DefaultFrequency = freqIndexOf(1000.0f);
constexpr int PromptDialHl = 80;
constexpr int QuietGain = 5; // the leak and the residual are far below the tone: read them at the sensitive gain
constexpr double SeparationLimitDb = 70.0;
constexpr double ResidualAboveReferenceDb = 10.0;
const QString Missing = QStringLiteral("----");

ResultRow separationRow(ResultList& list, const char* name, const char* key, float toneOn, float leak) {
    ResultRow row;
    row.cells << QLatin1String(name);
    if (toneOn <= NotMeasuredLimit) {
        row.cells << Missing << Missing << Missing << Missing << Missing;
        return row;
    }
    const double difference = double(toneOn) - double(leak);
    const bool passes = difference >= SeparationLimitDb;
    judgeValue(list, row, QLatin1String(key), passes, listNumber(difference));
    row.cells << listNumber(toneOn) << listNumber(leak) << markedIfFailing(listNumber(difference), passes)
              << QString::asprintf(">= %.1f", SeparationLimitDb) << listNumber(difference - SeparationLimitDb);
    return row;
}

ResultRow residualRow(ResultList& list, const TestSetup& setup, TransducerKind transducer, const CrossTalkBlock& block,
                      FreqIndex frequency) {
    ResultRow row;
    row.cells << QStringLiteral("On/Off Ratio");
    // A quiet earphone may read below the not-measured limit: the marker says whether it was measured.
    if (block.toneOffMarker <= NotMeasuredLimit) {
        row.cells << Missing << Missing << Missing << Missing << Missing;
        return row;
    }
    ReferenceQuery query;
    query.transducer = int(transducer);
    query.frequency = frequency;
    const double limit = getReferenceLevel(setup, query, &list.missing) + ResidualAboveReferenceDb;
    const bool passes = double(block.toneOff) <= limit;
    judgeValue(list, row, QStringLiteral("onoff"), passes, listNumber(block.toneOff));
    row.cells << QString() << markedIfFailing(listNumber(block.toneOff), passes) << QString()
              << QString::asprintf("<= %.1f", limit) << listNumber(limit - double(block.toneOff));
    return row;
}
} // namespace

struct CrossTalkMeasurement::Step {
    const char* prompt;
    int gain;
    float CrossTalkBlock::*level;
};

ResultList buildCrossTalkList(const TestSetup& setup, TransducerKind transducer, const CrossTalkBlock& block) {
    ResultList list;
    list.columns = {"Test", "Tone On", "Tone Off", "Difference", "ANSI Limits", "Deviation"};
    const FreqIndex frequency = block.testFrequency > 0.0f ? freqIndexOf(block.testFrequency) : DefaultFrequency;
    list.rows << separationRow(list, "Left to Right", "lr", block.leftToneOn, block.leftWithRightOn)
              << separationRow(list, "Right to Left", "rl", block.rightToneOn, block.rightWithLeftOn)
              << residualRow(list, setup, transducer, block, frequency);
    for (ResultRow& row : list.rows)
        row.frequency = frequency;
    return list;
}

CrossTalkMeasurement::CrossTalkMeasurement(AudiometerRecord& record, MeterLink& link, TransducerKind transducer,
                                           Channel channel)
    : Measurement(record, link, transducer, channel, TestNumber::CrossTalk),
      m_block(record.results.crossTalk[int(transducer)]) {}

FreqIndex CrossTalkMeasurement::testFrequency() const {
    const FreqIndex chosen = m_block.testFrequency > 0.0f ? freqIndexOf(m_block.testFrequency) : -1;
    return isFreqIndex(chosen) ? chosen : DefaultFrequency;
}

QList<FreqIndex> CrossTalkMeasurement::frequenciesOffered() const {
    QList<FreqIndex> offered;
    for (FreqIndex i = 0; i < FrequencyCount; ++i)
        if (m_record.setup.frequencySelected[i])
            offered << i;
    return offered;
}

void CrossTalkMeasurement::setTestFrequency(FreqIndex frequency) {
    if (!isFreqIndex(frequency))
        return;
    m_block.testFrequency = frequencyHz(frequency);
    fillList();
}

PageVerdict CrossTalkMeasurement::takeDataBack() {
    m_record.results.crossTalk[int(m_transducer)] = m_block;
    fillList();
    return m_verdict;
}

void CrossTalkMeasurement::fillList() {
    m_list = buildCrossTalkList(m_record.setup, m_transducer, m_block);
    m_verdict = m_list.verdict;
    refill();
}

int CrossTalkMeasurement::measureAll() {
    static const Step steps[] = {
        {"Left Earphone placed on coupler : %.1f Hz %d dBHL\nRight Earphone(away from coupler): Tone OFF\nLeft "
         "Earphone: Tone OFF",
         QuietGain, &CrossTalkBlock::toneOff},
        {"Left Earphone placed on coupler : %.1f Hz %d dBHL\nRight Earphone(away from coupler): Tone OFF\nLeft "
         "Earphone: Tone ON",
         WorkingGain, &CrossTalkBlock::leftToneOn},
        {"Left Earphone placed on coupler : %.1f Hz %d dBHL\nRight Earphone(away from coupler): Tone ON\nLeft "
         "Earphone: Tone OFF",
         QuietGain, &CrossTalkBlock::leftWithRightOn},
        {"Right Earphone placed on coupler : %.1f Hz %d dBHL\nRight Earphone: Tone ON\nLeft Earphone(away from "
         "coupler): Tone OFF",
         WorkingGain, &CrossTalkBlock::rightToneOn},
        {"Right Earphone placed on coupler : %.1f Hz %d dBHL\nRight Earphone: Tone OFF\nLeft Earphone(away from "
         "coupler): Tone ON",
         QuietGain, &CrossTalkBlock::rightWithLeftOn},
    };
    if (m_running)
        return m_lastStatus;
    m_running = true;
    m_lastStatus = 0;
    if (equipmentReady(true)) {
        m_block.testFrequency = frequencyHz(testFrequency());
        RunProgress progress(m_link.services.progress, ProgressCaption::Measurement, int(std::size(steps)));
        m_run = &progress;
        if (matchMeterTransducer(m_link, microphoneInUse(), progress) == Status::Cancelled)
            cancelRun();
        else
            m_link.keys.goToFrequency(testFrequency());
        for (int n = 0; n < int(std::size(steps)) && m_lastStatus >= 0; ++n) {
            progress.startPoint(n, QString::asprintf("Step %d", n + 1));
            if (!runStep(steps[n], progress))
                break;
            progress.pointDone();
            fillList();
        }
        m_run = nullptr;
        fillList();
    }
    m_running = false;
    return m_lastStatus;
}

bool CrossTalkMeasurement::runStep(const Step& step, RunProgress& progress) {
    MessageBox& messages = m_link.messages();
    const QString prompt = QString::asprintf(step.prompt, double(frequencyHz(testFrequency())), PromptDialHl);
    if (messages.show(prompt, MessageButtons::OkCancel) != MessageAnswer::Ok) {
        cancelRun();
        return false;
    }
    progress.setStatus(QStringLiteral("Checking the K37 for SLM/RTA mode"));
    if (!ensureMeterMode(m_link, MeterMode::SlmRta, 5, true)) {
        m_lastStatus = Status::NotConnected;
        return false;
    }
    for (;;) {
        float level = 0.0f;
        const int status = readLevel(step, progress, level);
        if (status == Status::Cancelled) {
            cancelRun();
            return false;
        }
        if (status >= 0) {
            m_block.*step.level = level;
            if (step.level == &CrossTalkBlock::toneOff)
                m_block.toneOffMarker = CrossTalkToneOffMeasured;
            return true;
        }
        switch (messages.show(QStringLiteral("Error reading the K37.\n\nWould you like to measure again?\nClick Yes to "
                                             "re-measure.\nClick Cancel to cancel the measurement."),
                              MessageButtons::YesNoCancel)) {
        case MessageAnswer::Yes:
            continue;
        case MessageAnswer::No:
            m_block.*step.level = 0.0f;
            return true;
        default:
            cancelRun();
            return false;
        }
    }
}

int CrossTalkMeasurement::readLevel(const Step& step, ProgressWindow& progress, float& level) {
    progress.setStatus(QStringLiteral("Reading data from the K37"));
    if (progress.checkCancelButton())
        return Status::Cancelled;
    const FreqIndex frequency = testFrequency();
    const int status = measureBandLevel(frequency, &progress, step.gain);
    if (status >= 0)
        level = float(m_bandLevel - microphoneCorrection(m_transducer, frequency, m_record.setup));
    return status;
}

std::unique_ptr<Measurement> makeCrossTalkPage(const PageContext& context) {
    auto page =
        std::make_unique<CrossTalkMeasurement>(context.record, context.link, context.transducer, context.channel);
    page->fillList();
    return page;
}

namespace {
const TestRegistration crossTalkTest({QStringLiteral("xtalk"), 5, {PageKind::CrossTalk}});
} // namespace

} // namespace orvik
