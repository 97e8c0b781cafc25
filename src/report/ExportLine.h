#pragma once

#include <QList>
#include <QStringList>

namespace orvik {

// One line of an exported test: the cells a spreadsheet puts in neighbouring columns. A line whose text is
// empty is left out of the file unless it is forced: the printed report's spacing lines mean nothing in a
// spreadsheet, the few kept ones separate blocks on purpose.
struct ExportLine {
    QStringList cells;
    bool forced = false;

    ExportLine() = default;
    ExportLine(std::initializer_list<QString> values) : cells(values) {}
    explicit ExportLine(const QStringList& values) : cells(values) {}
    static ExportLine forcedEmpty();
    bool written() const;
};

using ExportLines = QList<ExportLine>;

} // namespace orvik
