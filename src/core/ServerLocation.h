#pragma once

#include <QString>

namespace orvik {

// Whether a database name, typed or stored as "DatabaseName", names a database on a PostgreSQL server
// ("postgresql://user@host:5432/orvik", also "postgres://") rather than a file.
inline bool isServerLocation(const QString& name) {
    const QString trimmed = name.trimmed();
    return trimmed.startsWith(QLatin1String("postgresql://"), Qt::CaseInsensitive) ||
           trimmed.startsWith(QLatin1String("postgres://"), Qt::CaseInsensitive);
}

} // namespace orvik
