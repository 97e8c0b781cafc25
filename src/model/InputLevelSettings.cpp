#include "model/InputLevelSettings.h"

#include "core/Settings.h"
#include "model/Transducer.h"

#include <limits>
#include <vector>

namespace orvik::InputLevelSettings {

namespace {
constexpr int Bone = static_cast<int>(TransducerKind::BoneVibrator);

qint16 readLevel(SettingsStore& store, const QString& name, qint16 defaultValue) {
    const int value = store.readInt(Section::Settings, name, defaultValue);
    const bool fits = value >= std::numeric_limits<qint16>::min() && value <= std::numeric_limits<qint16>::max();
    return fits ? static_cast<qint16>(value) : defaultValue;
}

enum class Table { HearingLevel, NarrowBand, Speech, BroadBand };

struct LevelSlot {
    Table table;
    int transducer;
    FreqIndex index;
    QString name;
    qint16 defaultValue;
};

// Every remembered level with its settings name and default, in a fixed order.
std::vector<LevelSlot> rememberedLevels() {
    std::vector<LevelSlot> slots;
    for (int t = 0; t < TransducerCount; ++t) {
        if (t == Bone) {
            for (FreqIndex f = FirstBoneIndex; f <= LastLowFrequency; ++f)
                slots.push_back({Table::HearingLevel, t, f, boneHearingLevelName(f), defaultHearingLevel(t, f)});
        } else {
            for (FreqIndex f = 0; f < FrequencyCount; ++f) {
                slots.push_back({Table::HearingLevel, t, f, hearingLevelName(t, f), DefaultLevel});
                slots.push_back({Table::NarrowBand, t, f, narrowBandName(t, f), DefaultLevel});
            }
            slots.push_back({Table::BroadBand, t, 0, broadBandName(t), DefaultLevel});
        }
        slots.push_back({Table::Speech, t, 0, speechName(t), t == Bone ? BoneDefaultLevel : DefaultLevel});
    }
    return slots;
}

// The record's fields are packed, so they are read and written by value rather than through references.
qint16 levelOf(const InputLevels& levels, const LevelSlot& slot) {
    switch (slot.table) {
    case Table::HearingLevel:
        return levels.hearingLevel[slot.transducer].level[slot.index];
    case Table::NarrowBand:
        return levels.narrowBand[slot.transducer].level[slot.index];
    case Table::Speech:
        return levels.speech[slot.transducer];
    case Table::BroadBand:
        return levels.broadBand[slot.transducer];
    }
    return 0;
}

void setLevel(InputLevels& levels, const LevelSlot& slot, qint16 value) {
    switch (slot.table) {
    case Table::HearingLevel:
        levels.hearingLevel[slot.transducer].level[slot.index] = value;
        break;
    case Table::NarrowBand:
        levels.narrowBand[slot.transducer].level[slot.index] = value;
        break;
    case Table::Speech:
        levels.speech[slot.transducer] = value;
        break;
    case Table::BroadBand:
        levels.broadBand[slot.transducer] = value;
        break;
    }
}
} // namespace

QString hearingLevelName(int transducer, FreqIndex index) {
    return QStringLiteral("HL Input_%1 %2").arg(transducer).arg(frequencyKeyName(index));
}

QString narrowBandName(int transducer, FreqIndex index) {
    return QStringLiteral("NB Input_%1 %2").arg(transducer).arg(frequencyKeyName(index));
}

QString boneHearingLevelName(FreqIndex index) {
    return QStringLiteral("BoneHL Input %1").arg(frequencyKeyName(index));
}

QString speechName(int transducer) {
    return transducer == Bone ? QStringLiteral("BoneSpeechInput") : QStringLiteral("SpeechInput_%1").arg(transducer);
}

QString broadBandName(int transducer) {
    return QStringLiteral("BroadBandInput_%1").arg(transducer);
}

qint16 defaultHearingLevel(int transducer, FreqIndex index) {
    if (transducer != Bone)
        return DefaultLevel;
    return index == FirstBoneIndex ? Bone250HzDefaultLevel : BoneDefaultLevel;
}

void load(InputLevels& levels, SettingsStore& store) {
    for (int t = 0; t < TransducerCount; ++t) {
        for (FreqIndex f = 0; f < FrequencyCount; ++f) {
            const bool boneOutside = t == Bone && (f < FirstBoneIndex || f > LastLowFrequency);
            levels.hearingLevel[t].defaults[f] = boneOutside ? 0 : defaultHearingLevel(t, f);
            levels.narrowBand[t].defaults[f] = t == Bone ? 0 : DefaultLevel;
        }
    }
    for (const LevelSlot& slot : rememberedLevels())
        setLevel(levels, slot, readLevel(store, slot.name, slot.defaultValue));
}

void save(const InputLevels& levels, SettingsStore& store) {
    for (const LevelSlot& slot : rememberedLevels())
        store.writeInt(Section::Settings, slot.name, levelOf(levels, slot));
}

} // namespace orvik::InputLevelSettings
