#pragma once

#include "core/AlternateMode.h"
#include "measure/ResultList.h"
#include "measure/ToneJudgement.h"
#include "model/RecordResults.h"
#include "model/Transducer.h"

namespace orvik {

// The sources of the speech page in list order; white noise, the last, is read as an overall level.
inline constexpr int SpeechWhiteNoise = SpeechSourceCount - 1;
QString speechSourceName(int source); // "Mic" .. "White Noise"
QString speechSourceKey(int source);  // "mic", "tapea", "tapeb", "speechnoise", "white"

// The level a source's 0 dB HL stands for and its pass band around the target (reference + dial). Speech sources
// take the speech reference at 1000 Hz (with the entry's placement or angle), or a fixed level in the alternate
// modes; white noise is 13.0 dB above its dial. Nothing (`found` false) when the set-up has no reference.
struct SpeechReference {
    double level = 0.0;
    PassBand band{-3.0, 3.0};
    bool found = true;
};
SpeechReference speechReference(const TestSetup& setup, TransducerKind transducer, int source,
                                const SpeechSource& entry, AlternateModeKind mode,
                                MissingReferenceList* missing = nullptr);

// The list of a speech page: one row a source, judged by its deviation (measured - target), named by its key.
ResultList buildSpeechList(const TestSetup& setup, TransducerKind transducer,
                           const SpeechSource (&sources)[SpeechSourceCount], AlternateModeKind mode);

} // namespace orvik
