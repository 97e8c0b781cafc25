#pragma once

#include "model/FrequencyTable.h"
#include "model/ReferenceLevel.h"

#include <QList>
#include <QStringList>

namespace orvik {

// Page verdicts: nothing judged yet, every judged point passes, at least one fails.
enum class PageVerdict : int { NoneJudged = 0, AllPass = 1, AnyFails = -1 };

enum class RowVerdict { NotJudged, Pass, Fail };

// One of several figures a row is judged by (the harmonics of a distortion row, the times of a pulse), with the
// name unattended runs report it under.
struct JudgedValue {
    QString key;
    QString value; // as the list writes it
    RowVerdict verdict = RowVerdict::NotJudged;
};

// One row of a result list as the widget shows it.
struct ResultRow {
    FreqIndex frequency = 0;
    QStringList cells;
    bool greyed = false; // the reference level is missing: drawn in 150, 150, 150
    RowVerdict verdict = RowVerdict::NotJudged;
    // The figure the row was judged by, as the list writes it (the deviation of a level, the error of a
    // frequency, the deviation of an FM sweep); empty for a row not judged or judged by several values.
    QString judgedValue;
    // Rows judged by several figures keep each one here; the row fails when any of them does.
    QList<JudgedValue> judgedValues;
    // How the row's point is named outside the list when its frequency does not name it (a dial level "@70").
    QString point;
};

struct ResultList {
    QStringList columns;
    QList<ResultRow> rows;
    PageVerdict verdict = PageVerdict::NoneJudged;
    MissingReferenceList missing;
};

// Judges a row by one figure and carries the verdict into the list's.
void judgeRow(ResultList& list, ResultRow& row, bool passes, const QString& judgedValue);
// Adds one named figure to a row judged by several; the row and the list fail with any of them.
void judgeValue(ResultList& list, ResultRow& row, const QString& key, bool passes, const QString& value);
// A failing value stands in parentheses in every list.
QString markedIfFailing(const QString& text, bool passes);

} // namespace orvik
