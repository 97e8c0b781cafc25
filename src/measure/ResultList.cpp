#include "measure/ResultList.h"

namespace orvik {

namespace {
void carryVerdict(ResultList& list, bool passes) {
    if (!passes)
        list.verdict = PageVerdict::AnyFails;
    else if (list.verdict == PageVerdict::NoneJudged)
        list.verdict = PageVerdict::AllPass;
}
} // namespace

void judgeRow(ResultList& list, ResultRow& row, bool passes, const QString& judgedValue) {
    row.verdict = passes ? RowVerdict::Pass : RowVerdict::Fail;
    row.judgedValue = judgedValue;
    carryVerdict(list, passes);
}

void judgeValue(ResultList& list, ResultRow& row, const QString& key, bool passes, const QString& value) {
    const RowVerdict verdict = passes ? RowVerdict::Pass : RowVerdict::Fail;
    row.judgedValues << JudgedValue{key, value, verdict};
    if (row.verdict != RowVerdict::Fail)
        row.verdict = verdict;
    carryVerdict(list, passes);
}

QString markedIfFailing(const QString& text, bool passes) {
    return passes ? text : QLatin1Char('(') + text + QLatin1Char(')');
}

} // namespace orvik
