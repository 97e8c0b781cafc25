#pragma once

#include "model/FrequencyTable.h"
#include "model/RecordResults.h"

#include <QString>

namespace orvik {

class SettingsStore;

// The audiometer dial levels remembered from test to test in the "Settings" section: loaded into every new
// record, written back when a record is saved. Earphones and speakers keep hearing-level and narrow-band levels
// for all 39 frequencies plus a speech and a broad-band level; the bone vibrator keeps 250..8000 Hz and speech.
namespace InputLevelSettings {

inline constexpr qint16 DefaultLevel = 70;
inline constexpr qint16 BoneDefaultLevel = 40;
inline constexpr qint16 Bone250HzDefaultLevel = 20;
inline constexpr FreqIndex FirstBoneIndex = 5; // 250 Hz

QString hearingLevelName(int transducer, FreqIndex index); // "HL Input_%d %s"
QString narrowBandName(int transducer, FreqIndex index);   // "NB Input_%d %s"
QString boneHearingLevelName(FreqIndex index);             // "BoneHL Input %s"
QString speechName(int transducer);                        // "SpeechInput_%d", or "BoneSpeechInput"
QString broadBandName(int transducer);                     // "BroadBandInput_%d"

// The level a dial starts from when nothing is remembered (also the "Set to Defaults" value of the pages).
qint16 defaultHearingLevel(int transducer, FreqIndex index);

// Reads every remembered level (with its default) into the record's tables and fills the defaults tables. A
// stored value that does not fit a dial level field falls back to the default instead of wrapping round.
void load(InputLevels& levels, SettingsStore& store);
void save(const InputLevels& levels, SettingsStore& store);

} // namespace InputLevelSettings

} // namespace orvik
