#pragma once

#include "database/RowId.h"

#include <QString>
#include <QVariant>
#include <vector>

namespace orvik {

// A recordset filter: conditions joined with " AND " in the order they were added. Values are bound, never
// pasted into the statement, so a search text with an apostrophe or SQL in it finds exactly what it names.
class SearchFilter {
public:
    struct Condition {
        QString column;
        QString op; // "=", ">=", "<=", "LIKE"
        QVariant value;
    };

    SearchFilter& where(const QString& column, const QString& op, const QVariant& value);
    SearchFilter& equals(const QString& column, const QVariant& value) {
        return where(column, QStringLiteral("="), value);
    }

    // Rows whose column begins with the text. "%", "_" and the escape character in the text are matched as
    // themselves; letters match in either case (the file engine: ASCII letters only).
    SearchFilter& startsWith(const QString& column, const QString& text);

    static SearchFilter byId(RowId id) { return SearchFilter().equals(QStringLiteral("Id"), id); }

    bool isEmpty() const { return m_conditions.empty(); }
    const std::vector<Condition>& conditions() const { return m_conditions; }
    // "SerialNum LIKE ? ESCAPE '\\' AND ChannelNum = ?", with the engine's operator in place of LIKE.
    QString whereClause(const QString& likeOperator = QStringLiteral("LIKE")) const;
    QString describe() const;    // "SerialNum LIKE 'A1%' AND ChannelNum = 2", for messages and diagnostics

private:
    std::vector<Condition> m_conditions;
};

} // namespace orvik
