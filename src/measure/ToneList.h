#pragma once

#include "measure/ListNumber.h"
#include "measure/Measurement.h"
#include "measure/ResultList.h"
#include "measure/ToneJudgement.h"
#include "model/ReferenceLevel.h"

#include <QStringList>

namespace orvik {

// The page's working blocks: one per kind, copied from the record and handed back to it.
struct ToneBlocks {
    ToneEntry tone[FrequencyCount];
    FmEntry fm[FrequencyCount];
    NarrowBandEntry narrowBand[FrequencyCount];
};

struct ToneListInput {
    const TestSetup& setup;
    TransducerKind transducer;
    ToneKind kind;
    bool showCorrections;
    const ToneBlocks& blocks;
    const qint16 (&dialLevels)[FrequencyCount];
};

// The rows of every selected frequency with their columns, formats and judgement. Missing reference levels
// are collected and their rows greyed; warning and removal are the caller's (they depend on settings).
ResultList buildHLFreqList(const ToneListInput& input);

// Frequencies the list ever shows for a kind: narrow band stops at 8000 Hz.
FreqIndex lastListedIndex(ToneKind kind);

QString missingReferenceWarning(const MissingReferenceList& missing);

} // namespace orvik
