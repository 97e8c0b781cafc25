#pragma once

#include <QString>

namespace orvik {

// The refusal of a command that needs the database while none is open; `action` completes "before ...".
inline QString noDatabaseMessage(const QString& action) {
    return QStringLiteral("Must connect to a database before %1\nSelect/create a database with File/Change Database.")
        .arg(action);
}

} // namespace orvik
