#include "database/SearchFilter.h"

#include <QStringList>

namespace orvik {

namespace {
const QLatin1Char Escape('\\');
const QString Like = QStringLiteral("LIKE");
} // namespace

SearchFilter& SearchFilter::where(const QString& column, const QString& op, const QVariant& value) {
    m_conditions.push_back({column, op, value});
    return *this;
}

SearchFilter& SearchFilter::startsWith(const QString& column, const QString& text) {
    QString pattern;
    pattern.reserve(text.size() + 1);
    for (const QChar c : text) {
        if (c == Escape || c == u'%' || c == u'_')
            pattern += Escape;
        pattern += c;
    }
    return where(column, Like, pattern + u'%');
}

QString SearchFilter::whereClause(const QString& likeOperator) const {
    QStringList parts;
    for (const Condition& c : m_conditions)
        parts << (c.op == Like ? QStringLiteral("%1 %2 ? ESCAPE '\\'").arg(c.column, likeOperator)
                               : QStringLiteral("%1 %2 ?").arg(c.column, c.op));
    return parts.join(QStringLiteral(" AND "));
}

QString SearchFilter::describe() const {
    QStringList parts;
    for (const Condition& c : m_conditions) {
        const QString value = c.value.typeId() == QMetaType::QString
                                  ? QLatin1Char('\'') + c.value.toString() + QLatin1Char('\'')
                              : c.value.typeId() == QMetaType::Double ? QString::asprintf("%f", c.value.toDouble())
                                                                      : c.value.toString();
        parts << QStringLiteral("%1 %2 %3").arg(c.column, c.op, value);
    }
    return parts.join(QStringLiteral(" AND "));
}

} // namespace orvik
