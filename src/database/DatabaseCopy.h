#pragma once

#include "database/Database.h"

#include <QString>
#include <vector>

namespace orvik {

// A whole database copied into a new one, between the engines in either direction: a file to a server when a
// lab grows, a server to a file for an archive or an auditor. Rows keep their Ids, plain columns and blocks;
// afterwards every row is read back from both sides and compared, blocks byte for byte.
class DatabaseCopy {
public:
    struct TableCount {
        QString table;
        qint64 rows = 0;
    };

    // Copies every table of the open, current-version source into the open, freshly created target in one
    // transaction. Throws DatabaseError on an engine failure or a difference found by the check (the target is
    // then as its creation left it: empty tables).
    static std::vector<TableCount> copy(Database& source, Database& target);

private:
    static qint64 copyTable(Database& source, Database& target, const QString& table, const QStringList& columns);
    static void verifyTable(Database& source, Database& target, const QString& table, const QStringList& columns);
};

} // namespace orvik
