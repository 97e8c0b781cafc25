#pragma once

#include "measure/ListNumber.h"
#include "measure/Measurement.h"
#include "measure/ToneJudgement.h"
#include "model/ReferenceLevel.h"

#include <QStringList>

namespace orvik {

enum class RowVerdict { NotJudged, Pass, Fail };

// One row of a result list as the widget shows it.
struct ResultRow {
    FreqIndex frequency = 0;
    QStringList cells;
    bool greyed = false; // the reference level is missing: drawn in 150, 150, 150
    RowVerdict verdict = RowVerdict::NotJudged;
    // The figure the row was judged by, as the list writes it (the deviation of a level, the error of a
    // frequency, the deviation of an FM sweep); empty for a row not judged.
    QString judgedValue;
};

struct ResultList {
    QStringList columns;
    QList<ResultRow> rows;
    PageVerdict verdict = PageVerdict::NoneJudged;
    MissingReferenceList missing;
};

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
