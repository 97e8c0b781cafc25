#pragma once

#include "measure/ResultList.h"
#include "measure/ToneJudgement.h"
#include "model/TestSetup.h"

#include <optional>

namespace orvik {

// What the speakers play on a sound-field page: warble tones (hearing level) or narrow-band noise.
enum class SoundFieldKind : int { WarbleTone = 0, NarrowBand = 1 };

struct SoundFieldListInput {
    const TestSetup& setup;
    const SoundFieldBlock& block; // its angle and binaural flag choose the reference
    const qint16 (&dialLevels)[FrequencyCount];
    SoundFieldKind kind;
};

// Deviation limits of a speaker level, dB. The binaural page judges warble tones up to 18000 Hz only: there is no
// binaural threshold at 19000 and 20000 Hz, so nothing to judge a level against (no value there).
std::optional<PassBand> soundFieldBand(FreqIndex index, SoundFieldKind kind, bool binaural);

// The rows of every selected frequency, judged by the deviation of the measured hearing level from the dial.
ResultList buildSoundFieldList(const SoundFieldListInput& input);

} // namespace orvik
