#pragma once

#include <QList>
#include <QString>

namespace orvik {

inline constexpr int ReportLineCells = 17;
// Column values below zero: right after the previous cell's text, or flush with the right margin.
inline constexpr int AfterPrevious = -1;
inline constexpr int RightAligned = -2;

struct ReportCell {
    int column = 0; // character widths from the left margin, or AfterPrevious / RightAligned
    QString text;
    bool bold = false;
    bool title = false;
    bool centred = false;
};

// One printed line of a report.
struct ReportLine {
    QList<ReportCell> cells;

    // Cells past the line's capacity are dropped rather than drawn over each other.
    ReportLine& add(int column, const QString& text, bool bold = false);
    ReportLine& addCentred(const QString& text, bool title = false);
    ReportLine& add(const ReportCell& cell);
    bool endsInTitle() const { return !cells.isEmpty() && cells.last().title; }
};

} // namespace orvik
