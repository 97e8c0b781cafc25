#pragma once

#include "report/ReportLine.h"

namespace orvik {

// The lines of a report as they will fall on pages of a fixed number of lines.
class ReportBuilder {
public:
    explicit ReportBuilder(int linesPerPage);

    void add(const ReportLine& line);
    void addEmpty();
    // Fills the current page with empty lines so the next line starts a page; nothing on an empty page.
    void pageBreak();
    // Starts a new page first when the lines do not fit on what is left of this one.
    void addKeptTogether(const QList<ReportLine>& lines);
    int linesLeftOnPage() const { return m_linesPerPage - m_linesOnPage; }

    int linesPerPage() const { return m_linesPerPage; }
    const QList<ReportLine>& lines() const { return m_lines; }
    int pageCount() const;

private:
    int m_linesPerPage;
    int m_linesOnPage = 0;
    QList<ReportLine> m_lines;
};

} // namespace orvik
