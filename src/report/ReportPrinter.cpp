#include "report/ReportPrinter.h"

namespace orvik {

FontChoice reportFonts() {
    return {QStringLiteral("Times New Roman"), 8, 1.5};
}

PageMetrics reportMetrics(const PageCanvas& canvas) {
    return pageMetrics(canvas, 6, 1);
}

int reportLinesPerPage(const PageMetrics& metrics) {
    return qMax(1, (metrics.pageHeight - 3 * metrics.topMargin) / metrics.lineHeight);
}

namespace {
FontRole roleOf(const ReportCell& cell) {
    if (cell.title)
        return FontRole::Title;
    return cell.bold ? FontRole::Bold : FontRole::Normal;
}

void drawHeader(PageCanvas& canvas, const PageMetrics& m, const PageHeader& header, int page) {
    canvas.drawText(FontRole::Normal, m.leftMargin, m.topMargin, header.left);
    if (!header.numbered)
        return;
    const QString number = QStringLiteral("Page %1").arg(page);
    canvas.drawText(FontRole::Normal, m.pageWidth - m.leftMargin - canvas.textWidth(FontRole::Normal, number),
                    m.topMargin, number);
}
} // namespace

int drawReportLine(PageCanvas& canvas, const PageMetrics& m, const ReportLine& line, int y) {
    int previousEnd = m.leftMargin;
    for (const ReportCell& cell : line.cells) {
        const FontRole role = roleOf(cell);
        const int width = canvas.textWidth(role, cell.text);
        int x = m.leftMargin + cell.column * m.charWidth;
        if (cell.centred)
            x = m.pageWidth / 2 - width / 2;
        else if (cell.column == AfterPrevious)
            x = previousEnd + m.charWidth;
        else if (cell.column == RightAligned)
            x = m.pageWidth - m.leftMargin - width;
        canvas.drawText(role, x, y, cell.text);
        previousEnd = x + width;
    }
    return y + (line.endsInTitle() ? m.lineHeight * 3 / 2 : m.lineHeight);
}

void printReport(PageCanvas& canvas, const PageMetrics& m, const ReportBuilder& report, const PageHeader& header) {
    const QList<ReportLine>& lines = report.lines();
    for (int page = 0; page < report.pageCount(); ++page) {
        if (page > 0)
            canvas.newPage();
        drawHeader(canvas, m, header, page + 1);
        int y = m.topMargin + m.lineHeight * 5 / 2;
        const qsizetype end = qMin<qsizetype>(lines.size(), qsizetype(page + 1) * report.linesPerPage());
        for (qsizetype i = qsizetype(page) * report.linesPerPage(); i < end; ++i)
            y = drawReportLine(canvas, m, lines[i], y);
    }
}

} // namespace orvik
