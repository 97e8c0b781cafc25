#include "measure/SoundFieldMeasurement.h"

#include "measure/PageFactory.h"
#include "measure/TestRegistry.h"

#include <algorithm>

namespace orvik {

namespace {
constexpr int Speakers = int(TransducerKind::SoundField);
constexpr int BinauralPage = 2;
constexpr int NarrowBandVariant = 7;

SoundFieldKind soundFieldKindOf(int test) {
    return test == int(TestNumber::NarrowBandLevel) ? SoundFieldKind::NarrowBand : SoundFieldKind::WarbleTone;
}

TestNumber testOf(SoundFieldKind kind) {
    return kind == SoundFieldKind::NarrowBand ? TestNumber::NarrowBandLevel : TestNumber::HearingLevel;
}
} // namespace

SoundFieldMeasurement::SoundFieldMeasurement(AudiometerRecord& record, MeterLink& link, Channel channel,
                                             SoundFieldKind kind)
    : Measurement(record, link, TransducerKind::SoundField, channel, testOf(kind)), m_kind(kind),
      m_block(recordBlock()) {
    m_block.binaural = binaural() ? 1 : 0;
    if (binaural() || m_block.angle < 0 || m_block.angle > 2)
        m_block.angle = 0;
    std::copy(std::begin(m_block.dialHl), std::end(m_block.dialHl), std::begin(m_dial));
}

std::unique_ptr<Measurement> makeSoundFieldPage(const PageContext& context) {
    auto page = std::make_unique<SoundFieldMeasurement>(context.record, context.link, context.channel,
                                                        soundFieldKindOf(context.test));
    page->loadInputs();
    page->fillList();
    return page;
}

SoundFieldBlock& SoundFieldMeasurement::recordBlock() const {
    const int page = binaural() ? BinauralPage : int(m_channel);
    return m_record.results.soundField[int(m_kind)][page];
}

void SoundFieldMeasurement::loadInputs() {
    const InputLevels& levels = m_record.results.inputLevels;
    const InputLevelTable& table =
        m_kind == SoundFieldKind::NarrowBand ? levels.narrowBand[Speakers] : levels.hearingLevel[Speakers];
    std::copy(std::begin(table.level), std::end(table.level), std::begin(m_dial));
}

PageVerdict SoundFieldMeasurement::takeDataBack() {
    recordBlock() = m_block;
    fillList();
    return m_verdict;
}

void SoundFieldMeasurement::fillList() {
    m_list = buildSoundFieldList({m_record.setup, m_block, m_dial, m_kind});
    m_verdict = m_list.verdict;
    refill();
}

void SoundFieldMeasurement::setAngle(int angle) {
    if (binaural() || angle < 0 || angle > 2)
        return;
    m_block.angle = qint16(angle);
    fillList();
}

int SoundFieldMeasurement::measureAll() {
    QList<FreqIndex> points;
    for (FreqIndex i = 0; i < FrequencyCount; ++i)
        if (m_record.setup.frequencySelected[i])
            points << i;
    run(points, false);
    return m_lastStatus;
}

int SoundFieldMeasurement::measureSelected(const QList<int>& rows) {
    QList<FreqIndex> points;
    for (int row : rows)
        if (row >= 0 && row < m_list.rows.size())
            points << m_list.rows[row].frequency;
    if (!points.isEmpty())
        run(points, true);
    return m_lastStatus;
}

void SoundFieldMeasurement::run(const QList<FreqIndex>& points, bool selectedRun) {
    runLevelPoints(
        points, selectedRun, [&](FreqIndex i, bool checkMode) { return levelPoint(i, checkMode, selectedRun); },
        m_measuring);
}

QString SoundFieldMeasurement::dialText(FreqIndex i) const {
    const int dial = m_dial[i];
    const double hz = frequencyHz(i);
    const bool narrow = m_kind == SoundFieldKind::NarrowBand;
    if (binaural())
        return narrow ? QString::asprintf(" NB %d dBHL at %.0f Hz", dial, hz)
                      : QString::asprintf("  ***FM*** %d dBHL at %.0f Hz", dial, hz);
    const QByteArray speaker = channelName(m_channel).toLatin1();
    return QString::asprintf(narrow ? " NB %d dBHL %s at %.0f Hz" : " ***FM*** %d dBHL %s at %.0f Hz", dial,
                             speaker.constData(), hz);
}

PointOutcome SoundFieldMeasurement::levelPoint(FreqIndex i, bool checkMode, bool selectedRun) {
    m_measuring = i;
    const bool narrow = m_kind == SoundFieldKind::NarrowBand;
    PointPlan plan;
    plan.dialText = dialText(i);
    plan.frequency = i;
    plan.checkMode = checkMode;
    plan.variant = narrow ? NarrowBandVariant : 0;
    plan.checkingText = QStringLiteral("Checking the K37 for SLM/RTA mode");
    plan.selectedRun = selectedRun;
    bool meterFailed = false;
    const PointOutcome outcome = measurePoint(plan, [&](ProgressWindow& progress) -> PointAttempt {
        const int status = measureBandLevel(i, &progress);
        if (status == Status::Cancelled)
            return {status, {}};
        if (status < 0) {
            // A warble tone the meter cannot read ends the run; narrow-band noise may take longer to settle.
            meterFailed = !narrow;
            return {status, narrow ? unstableQuestion(i, selectedRun) : QString()};
        }
        // Speakers are measured with the free-field microphone as it is: no correction.
        const float level = m_bandLevel;
        if (level <= NotMeasuredLimit) {
            const QString opening = QString::asprintf("Measured SPL was too low (%.1f dB).", double(level));
            return {status,
                    recheckQuestion(opening, "\n\n", frequencyHz(i), plan.dialText, "at this frequency", selectedRun)};
        }
        m_block.level[i] = level;
        m_block.dialHl[i] = m_dial[i];
        return {status, {}};
    });
    return meterFailed ? PointOutcome::Cancelled : outcome;
}

namespace {
// One key a page kind, for warble tones and narrow-band noise alike; the output names the kind after the key.
const TestRegistration soundFieldTests[] = {
    TestRegistration({QStringLiteral("sf"), 0, {PageKind::SoundField}, QStringLiteral("sf/warble")}),
    TestRegistration({QStringLiteral("sf"), 7, {PageKind::SoundField}, QStringLiteral("sf/nb")}),
    TestRegistration({QStringLiteral("bsf"), 0, {PageKind::BinauralSoundField}, QStringLiteral("bsf/warble")}),
    TestRegistration({QStringLiteral("bsf"), 7, {PageKind::BinauralSoundField}, QStringLiteral("bsf/nb")}),
};
} // namespace

} // namespace orvik
