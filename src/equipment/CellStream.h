#pragma once

#include <QByteArray>
#include <QVariant>
#include <optional>
#include <vector>

namespace orvik {

// The cells of a worksheet: rows of texts (QString), numbers (double) or nothing (invalid QVariant).
using CellGrid = std::vector<std::vector<QVariant>>;

// The form in which the workbook reader hands a worksheet's cells to the program (docs/equipment.md): a header
// line, the grid's size, one line per non-empty cell (a text cell followed by its bytes) and an end line.
// Decoding trusts nothing: a size (each side and the cells in all), position or length out of bounds, a missing end or trailing bytes refuse
// the whole stream.
namespace CellStream {

inline constexpr unsigned MaxRows = 65536; // the most a BIFF8 worksheet holds
inline constexpr unsigned MaxColumns = 256;
// The grid is held whole, empty cells included: a worksheet that claims BIFF8's full size from a few bytes would
// cost half a gigabyte. A million cells is far more than any certificate holds.
inline constexpr unsigned long long MaxCells = 1ull << 20;
inline constexpr int MaxTextBytes = 32767 * 4; // the longest cell text, UTF-8

QByteArray encode(const CellGrid& cells);
std::optional<CellGrid> decode(const QByteArray& stream);

} // namespace CellStream

} // namespace orvik
