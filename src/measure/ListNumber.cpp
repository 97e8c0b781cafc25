#include "measure/ListNumber.h"

#include <algorithm>

namespace orvik {

namespace {
bool showsZero(const QString& text) {
    return std::none_of(text.cbegin(), text.cend(), [](QChar c) { return c >= u'1' && c <= u'9'; });
}
} // namespace

QString listNumber(double value, int decimals) {
    QString text = QString::number(value, 'f', decimals);
    if (showsZero(text) && text.startsWith(u'-'))
        text.remove(0, 1);
    return text;
}

QString signedListNumber(double value, int decimals) {
    const QString text = listNumber(value, decimals);
    return showsZero(text) || text.startsWith(u'-') ? text : QLatin1Char('+') + text;
}

} // namespace orvik
