#include "database/BrowserRows.h"

#include "database/EngineDate.h"

namespace orvik {

BrowserRows::BrowserRows(std::vector<QVariantList> rows, std::vector<BrowserCell> cells)
    : m_rows(std::move(rows)), m_cells(std::move(cells)) {}

RowId BrowserRows::id(std::size_t line) const {
    return line < m_rows.size() && !m_rows[line].isEmpty() ? m_rows[line].front().toLongLong() : -1;
}

QString BrowserRows::cell(std::size_t line, int column) const {
    if (line >= m_rows.size() || column < 0 || column >= columnCount() || column + 1 >= m_rows[line].size())
        return {};
    const QVariant& value = m_rows[line][column + 1];
    switch (m_cells[static_cast<std::size_t>(column)]) {
    case BrowserCell::Date:
        return dateText(value);
    case BrowserCell::Channel:
        return QString::number(value.toInt());
    case BrowserCell::Text:
        break;
    }
    return value.toString();
}

QStringList BrowserRows::cells(std::size_t line) const {
    QStringList texts;
    if (line >= m_rows.size())
        return texts;
    texts.reserve(columnCount());
    for (int column = 0; column < columnCount(); ++column)
        texts << cell(line, column);
    return texts;
}

QString BrowserRows::dateText(const QVariant& value) const {
    if (value.isNull())
        return {};
    const double day = value.toDouble();
    if (!isEngineDay(day))
        return {};
    const auto key = static_cast<qint64>(day);
    auto it = m_days.find(key);
    if (it == m_days.end())
        it = m_days.insert(key, browserDateText(day));
    return *it;
}

} // namespace orvik
