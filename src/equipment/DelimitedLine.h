#pragma once

#include <QStringList>

namespace orvik {

// The fields of one line of delimited text as a spreadsheet writes it: a field may be enclosed in double quotes,
// inside which the delimiter is text and two quotes stand for one. Blanks around a quoted field are dropped; a
// quote left open runs to the end of the line.
QStringList splitDelimitedLine(const QString& line, QChar delimiter);

} // namespace orvik
