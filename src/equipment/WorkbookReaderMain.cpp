// orvik-workbook-reader FILE: prints the cells of the first worksheet of an .xls workbook as a cell stream
// (CellStream.h) and exits 0; exits 1 when the workbook does not open. The program runs it as a child process
// so that the workbook library never reads a file from outside inside the program itself.
#include "equipment/CellStream.h"

#include <freexl.h>

#include <QFile>
#include <cstdio>

using namespace orvik;

namespace {
QVariant cellValue(const void* handle, unsigned int row, unsigned short column) {
    FreeXL_CellValue cell;
    if (freexl_get_cell_value(handle, row, column, &cell) != FREEXL_OK)
        return {};
    switch (cell.type) {
    case FREEXL_CELL_INT:
        return static_cast<double>(cell.value.int_value);
    case FREEXL_CELL_DOUBLE:
        return cell.value.double_value;
    case FREEXL_CELL_TEXT:
    case FREEXL_CELL_SST_TEXT:
        return QString::fromUtf8(cell.value.text_value);
    default:
        return {};
    }
}

CellGrid firstWorksheet(const void* handle) {
    unsigned int rows = 0;
    unsigned short columns = 0;
    CellGrid cells;
    if (freexl_select_active_worksheet(handle, 0) != FREEXL_OK ||
        freexl_worksheet_dimensions(handle, &rows, &columns) != FREEXL_OK || rows > CellStream::MaxRows ||
        columns > CellStream::MaxColumns || static_cast<unsigned long long>(rows) * columns > CellStream::MaxCells)
        return cells;
    cells.resize(rows);
    for (unsigned int r = 0; r < rows; ++r) {
        cells[r].reserve(columns);
        for (unsigned short c = 0; c < columns; ++c)
            cells[r].push_back(cellValue(handle, r, c));
    }
    return cells;
}
} // namespace

int main(int argc, char** argv) {
    if (argc != 2)
        return 2;
    const void* handle = nullptr;
    if (freexl_open(argv[1], &handle) != FREEXL_OK) {
        freexl_close(handle);
        return 1;
    }
    const CellGrid cells = firstWorksheet(handle);
    freexl_close(handle);
    const QByteArray stream = CellStream::encode(cells);
    return std::fwrite(stream.constData(), 1, static_cast<std::size_t>(stream.size()), stdout) ==
                   static_cast<std::size_t>(stream.size()) && std::fflush(stdout) == 0
               ? 0
               : 1;
}
