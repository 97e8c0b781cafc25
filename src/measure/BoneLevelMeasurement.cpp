#include "measure/BoneLevelMeasurement.h"

#include "core/Settings.h"
#include "measure/LevelCorrections.h"
#include "measure/PageFactory.h"
#include "measure/TestRegistry.h"
#include "measure/ToneList.h"

#include <algorithm>

namespace orvik {

namespace {
constexpr int Bone = int(TransducerKind::BoneVibrator);
} // namespace

BoneLevelMeasurement::BoneLevelMeasurement(AudiometerRecord& record, MeterLink& link)
    : Measurement(record, link, TransducerKind::BoneVibrator, Channel::Left, TestNumber::HearingLevel),
      m_block(record.results.boneLevel) {
    std::copy(std::begin(m_block.dialHl), std::end(m_block.dialHl), std::begin(m_dial));
}

std::unique_ptr<Measurement> makeBoneLevelPage(const PageContext& context) {
    auto page = std::make_unique<BoneLevelMeasurement>(context.record, context.link);
    page->loadInputs();
    page->fillList();
    return page;
}

void BoneLevelMeasurement::loadInputs() {
    const InputLevelTable& table = m_record.results.inputLevels.hearingLevel[Bone];
    std::copy(std::begin(table.level), std::end(table.level), std::begin(m_dial));
}

PageVerdict BoneLevelMeasurement::takeDataBack() {
    m_record.results.boneLevel = m_block;
    fillList();
    return m_verdict;
}

void BoneLevelMeasurement::fillList() {
    m_list = buildBoneLevelList({m_record.setup, m_block, m_dial, m_showCorrections});
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

void BoneLevelMeasurement::setForehead(bool forehead) {
    m_block.placement = forehead ? 1 : 0;
    fillList();
}

void BoneLevelMeasurement::toggleAppliedCorrections() {
    m_showCorrections = !m_showCorrections;
    fillList();
}

QList<FreqIndex> BoneLevelMeasurement::pointsOfRows(const QList<int>& rows) const {
    QList<FreqIndex> points;
    for (int row : rows)
        if (row >= 0 && row < m_list.rows.size())
            points << m_list.rows[row].frequency;
    return points;
}

int BoneLevelMeasurement::measureAll() {
    QList<FreqIndex> points;
    for (FreqIndex i = FirstBoneLevelIndex; i <= LastBoneLevelIndex; ++i)
        if (m_record.setup.frequencySelected[i])
            points << i;
    run(points, false);
    return m_lastStatus;
}

int BoneLevelMeasurement::measureSelected(const QList<int>& rows) {
    if (!rows.isEmpty())
        run(pointsOfRows(rows), true);
    return m_lastStatus;
}

void BoneLevelMeasurement::run(const QList<FreqIndex>& points, bool selectedRun) {
    runLevelPoints(
        points, selectedRun, [&](FreqIndex i, bool checkMode) { return levelPoint(i, checkMode, selectedRun); },
        m_measuring);
}

PointOutcome BoneLevelMeasurement::levelPoint(FreqIndex i, bool checkMode, bool selectedRun) {
    m_measuring = i;
    const double hz = frequencyHz(i);
    PointPlan plan;
    plan.dialText = QString::asprintf(" %d dBHL at %.1f Hz", int(m_dial[i]), hz);
    plan.frequency = i;
    plan.checkMode = checkMode;
    plan.checkingText = QStringLiteral("Checking the K37 for SLM/RTA mode");
    plan.selectedRun = selectedRun;
    return measurePoint(plan, [&](ProgressWindow& progress) -> PointAttempt {
        const int status = measureBandLevel(i, &progress);
        if (status == Status::Cancelled)
            return {status, {}};
        if (status < 0)
            return {status, unstableQuestion(i, selectedRun)};
        const float forceLevel = float(m_bandLevel - microphoneCorrection(m_transducer, i, m_record.setup));
        if (forceLevel <= NotMeasuredLimit) {
            const QString opening = QString::asprintf("Measured FL (%.1f) was too low.", double(forceLevel));
            return {status, recheckQuestion(opening, "\n\n", hz, plan.dialText, "at this frequency", selectedRun)};
        }
        m_block.forceLevel[i] = forceLevel;
        m_block.dialHl[i] = m_dial[i];
        return {status, {}};
    });
}

namespace {
const TestRegistration boneTests[] = {
    TestRegistration({QStringLiteral("bone"), 0, {PageKind::BoneLevel}}),
};
} // namespace

} // namespace orvik
