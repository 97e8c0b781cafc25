#include "equipment/CellStream.h"

#include <QList>
#include <cmath>

namespace orvik::CellStream {

namespace {
const QByteArray Header("ORVIK-CELLS 1\n");
const QByteArray End("END\n");

// The next line of the stream without its newline, or nullopt when there is none.
std::optional<QByteArray> takeLine(const QByteArray& stream, qsizetype& position) {
    const qsizetype end = stream.indexOf('\n', position);
    if (end < 0)
        return std::nullopt;
    QByteArray line = stream.mid(position, end - position);
    position = end + 1;
    return line;
}

std::optional<unsigned> number(const QByteArray& field, unsigned limit) {
    bool ok = false;
    const unsigned value = field.toUInt(&ok);
    return ok && value < limit ? std::optional<unsigned>(value) : std::nullopt;
}
} // namespace

QByteArray encode(const CellGrid& cells) {
    const std::size_t columns = cells.empty() ? 0 : cells.front().size();
    QByteArray out = Header + QByteArray::number(cells.size()) + ' ' + QByteArray::number(columns) + '\n';
    for (std::size_t r = 0; r < cells.size(); ++r) {
        for (std::size_t c = 0; c < cells[r].size(); ++c) {
            const QVariant& cell = cells[r][c];
            const QByteArray position = QByteArray::number(r) + ' ' + QByteArray::number(c) + ' ';
            if (cell.typeId() == QMetaType::Double) {
                out += position + "N " + QByteArray::number(cell.toDouble(), 'g', 17) + '\n';
            } else if (cell.typeId() == QMetaType::QString) {
                const QByteArray text = cell.toString().toUtf8();
                out += position + "T " + QByteArray::number(text.size()) + '\n' + text + '\n';
            }
        }
    }
    return out + End;
}

std::optional<CellGrid> decode(const QByteArray& stream) {
    if (!stream.startsWith(Header))
        return std::nullopt;
    qsizetype position = Header.size();
    const auto sizeLine = takeLine(stream, position);
    const QList<QByteArray> size = sizeLine ? sizeLine->split(' ') : QList<QByteArray>();
    const auto rows = size.size() == 2 ? number(size[0], MaxRows + 1) : std::nullopt;
    const auto columns = size.size() == 2 ? number(size[1], MaxColumns + 1) : std::nullopt;
    if (!rows || !columns || static_cast<unsigned long long>(*rows) * *columns > MaxCells)
        return std::nullopt;
    CellGrid cells(*rows, std::vector<QVariant>(*columns));
    for (;;) {
        const auto line = takeLine(stream, position);
        if (!line)
            return std::nullopt;
        if (*line + '\n' == End)
            break;
        const QList<QByteArray> fields = line->split(' ');
        const auto row = fields.size() == 4 ? number(fields[0], *rows) : std::nullopt;
        const auto column = fields.size() == 4 ? number(fields[1], *columns) : std::nullopt;
        if (!row || !column)
            return std::nullopt;
        QVariant& cell = cells[*row][*column];
        bool ok = false;
        if (fields[2] == "N") {
            const double value = fields[3].toDouble(&ok);
            ok = ok && std::isfinite(value);
            cell = value;
        } else if (fields[2] == "T") {
            const auto length = number(fields[3], MaxTextBytes + 1);
            ok = length && position + *length < stream.size() && stream[position + *length] == '\n';
            if (ok) {
                cell = QString::fromUtf8(stream.mid(position, *length));
                position += *length + 1;
            }
        }
        if (!ok)
            return std::nullopt;
    }
    if (position != stream.size())
        return std::nullopt;
    return cells;
}

} // namespace orvik::CellStream
