#pragma once

#include "model/AudiometerRecord.h"
#include "model/FrequencyTable.h"

#include <QList>

namespace orvik {

class SettingsStore;

// Which dial levels an input-level page edits: the low frequencies (125..8000 Hz), the high ones (9000..20000 Hz)
// or the bone vibrator's (250..8000 Hz).
enum class DialLevelRange { Low, High, Bone };

// The dial levels the technician sets on the input-level pages of the test sheet, without widgets. The page edits
// a copy; the copy reaches the record on "Save" and before every run, so a run always uses what the page shows.
// The hearing-level test edits the transducer's hearing-level table, the narrow-band test its narrow-band table.
class DialLevelEditor {
public:
    // The lowest and highest level a dial field takes, dB HL.
    static constexpr int LowestLevel = -10;
    static constexpr int HighestLevel = 140;

    DialLevelEditor(AudiometerRecord& record, SettingsStore& settings, int test, TransducerKind transducer,
                    DialLevelRange range);

    DialLevelRange range() const { return m_range; }
    QList<FreqIndex> frequencies() const;
    qint16 level(FreqIndex index) const;
    // Refused while the bone page uses its defaults; values beyond the dial are brought to its ends.
    void setLevel(FreqIndex index, int value);
    // "Set to Defaults": 70 dB HL, or for the bone vibrator 20 dB HL at 250 Hz and 40 dB HL above.
    void setToDefaults();
    // "Set All": the value in every level of the page.
    void setAll(int value);
    // "Use defaults" of the bone page: the defaults stand in every level and the fields cannot be edited.
    bool usesDefaults() const { return m_useDefaults; }
    void setUseDefaults(bool on);
    bool editable() const { return !m_useDefaults; }

    // The page's levels into the record (before a run, when the sheet takes its pages' data back).
    void commit();
    // "Save": into the record; the bone levels are also remembered for the next records.
    void save();

private:
    InputLevelTable& table() const;

    AudiometerRecord& m_record;
    SettingsStore& m_settings;
    int m_test;
    TransducerKind m_transducer;
    DialLevelRange m_range;
    qint16 m_levels[FrequencyCount]{};
    bool m_useDefaults = false;
};

} // namespace orvik
