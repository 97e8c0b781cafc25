#include "measure/DialLevelEditor.h"

#include "core/Settings.h"
#include "model/InputLevelSettings.h"

#include <algorithm>

namespace orvik {

namespace {
constexpr int NarrowBandTest = 7;
} // namespace

DialLevelEditor::DialLevelEditor(AudiometerRecord& record, SettingsStore& settings, int test, TransducerKind transducer,
                                 DialLevelRange range)
    : m_record(record), m_settings(settings), m_test(test), m_transducer(transducer), m_range(range) {
    const InputLevelTable& source = table();
    std::copy(std::begin(source.level), std::end(source.level), std::begin(m_levels));
}

InputLevelTable& DialLevelEditor::table() const {
    InputLevels& levels = m_record.results.inputLevels;
    const int t = int(m_transducer);
    return m_test == NarrowBandTest ? levels.narrowBand[t] : levels.hearingLevel[t];
}

QList<FreqIndex> DialLevelEditor::frequencies() const {
    FreqIndex first = 0, last = LastLowFrequency;
    if (m_range == DialLevelRange::High) {
        first = FirstHighFrequency;
        last = FrequencyCount - 1;
    } else if (m_range == DialLevelRange::Bone) {
        first = InputLevelSettings::FirstBoneIndex;
    }
    QList<FreqIndex> indices;
    for (FreqIndex i = first; i <= last; ++i)
        indices << i;
    return indices;
}

qint16 DialLevelEditor::level(FreqIndex index) const {
    return isFreqIndex(index) ? m_levels[index] : qint16(0);
}

void DialLevelEditor::setLevel(FreqIndex index, int value) {
    if (!editable() || !frequencies().contains(index))
        return;
    m_levels[index] = qint16(std::clamp(value, LowestLevel, HighestLevel));
}

void DialLevelEditor::setToDefaults() {
    for (FreqIndex i : frequencies())
        m_levels[i] = InputLevelSettings::defaultHearingLevel(int(m_transducer), i);
}

void DialLevelEditor::setAll(int value) {
    if (!editable())
        return;
    for (FreqIndex i : frequencies())
        setLevel(i, value);
}

void DialLevelEditor::setUseDefaults(bool on) {
    m_useDefaults = on;
    if (on)
        setToDefaults();
}

void DialLevelEditor::commit() {
    InputLevelTable& target = table();
    for (FreqIndex i : frequencies())
        target.level[i] = m_levels[i];
}

void DialLevelEditor::save() {
    commit();
    if (m_range != DialLevelRange::Bone)
        return;
    for (FreqIndex i : frequencies())
        m_settings.writeInt(Section::Settings, InputLevelSettings::boneHearingLevelName(i), m_levels[i]);
}

} // namespace orvik
