#pragma once

#include "model/FrequencyTable.h"

#include <QString>
#include <array>

namespace orvik {

// Built-in reference levels in dB by FreqIndex; 0 means that there is no reference at that frequency.
using LevelTable = std::array<float, FrequencyCount>;

// Earphone models with their own default RETSPL. The model texts are matched exactly, case and blanks
// included ("HDA 280 " ends in a blank), so that stored earphone blocks keep finding their table.
enum class EarphoneModel : int {
    Unknown = 0,
    Tdh39 = 1,
    Tdh50 = 2,
    Hda280 = 3,
    Dd45Iec3 = 4,
    Dd45Iec1 = 5,
    Holmberg8103 = 6,
    Dt48 = 7,
    Hda200 = 8,
    Hv1a = 9,
};
inline constexpr int EarphoneModelCount = 9;

EarphoneModel earphoneModelCode(const QString& modelText);
QString earphoneModelText(EarphoneModel model);
QString earphoneModelManufacturer(EarphoneModel model);

// The model's default RETSPL. TDH 39 has a short form and, in the alternate mode, a one-third-octave form.
const LevelTable& modelRetspl(EarphoneModel model, bool alternateMode);

// Coupler defaults: supra-aural earphones on an IEC 60318-1 ear simulator (G) and inserts by coupler (I3, I4, I5).
const LevelTable& couplerTableG();
const LevelTable& couplerTableI3();
const LevelTable& couplerTableI4();
const LevelTable& couplerTableI5();

// Bone vibrator RETFL, dB re 1 uN.
const LevelTable& mastoidRetfl();
const LevelTable& foreheadRetfl();

// Free-field references of the speakers.
const LevelTable& soundFieldBinaural();
const LevelTable& soundFieldMonaural(int angle); // 0 = 0 degrees, 1 = 45 degrees, any other = 90 degrees

// Added to the RETSPL for narrow-band masking noise; 0 at 31.5 and 63 Hz and above 8000 Hz.
float narrowBandCorrection(FreqIndex index);
inline constexpr float SpeechCorrection = 12.5f;
inline constexpr FreqIndex SpeechReferenceIndex = 12; // 1000 Hz

} // namespace orvik
