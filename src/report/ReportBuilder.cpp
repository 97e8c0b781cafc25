#include "report/ReportBuilder.h"

namespace orvik {

ReportBuilder::ReportBuilder(int linesPerPage) : m_linesPerPage(qMax(1, linesPerPage)) {}

void ReportBuilder::add(const ReportLine& line) {
    m_lines.append(line);
    m_linesOnPage = (m_linesOnPage + 1) % m_linesPerPage;
}

void ReportBuilder::addEmpty() {
    add(ReportLine{});
}

void ReportBuilder::pageBreak() {
    while (m_lines.size() % m_linesPerPage != 0)
        m_lines.append(ReportLine{});
    m_linesOnPage = 0;
}

void ReportBuilder::addKeptTogether(const QList<ReportLine>& lines) {
    if (lines.size() > linesLeftOnPage())
        pageBreak();
    for (const ReportLine& line : lines)
        add(line);
}

int ReportBuilder::pageCount() const {
    return qMax(1, int((m_lines.size() + m_linesPerPage - 1) / m_linesPerPage));
}

} // namespace orvik
