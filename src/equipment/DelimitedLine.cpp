#include "equipment/DelimitedLine.h"

namespace orvik {

QStringList splitDelimitedLine(const QString& line, QChar delimiter) {
    QStringList fields;
    QString field;
    bool quoted = false;    // inside a quoted part
    bool wasQuoted = false; // the field had a quoted part: blanks around it are not its text
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quoted) {
            if (c != u'"')
                field += c;
            else if (i + 1 < line.size() && line[i + 1] == u'"')
                field += line[++i];
            else
                quoted = false;
        } else if (c == delimiter) {
            fields << field;
            field.clear();
            wasQuoted = false;
        } else if (c == u'"' && field.trimmed().isEmpty()) {
            field.clear();
            quoted = wasQuoted = true;
        } else if (!(wasQuoted && c.isSpace())) {
            field += c;
        }
    }
    fields << field;
    return fields;
}

} // namespace orvik
