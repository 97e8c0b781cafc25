#include "report/ReportSections.h"

#include <vector>

namespace orvik {

namespace {
constexpr int TransducerColumn = 14;
constexpr int ColumnStep = 14;

ReportLine headLine(const QStringList& words) {
    ReportLine line;
    for (int c = 0; c < words.size(); ++c)
        line.add(c * ColumnStep, words[c], true);
    return line;
}

std::vector<ReportSection>& sections() {
    static std::vector<ReportSection> registered;
    return registered;
}
} // namespace

const ReportSection* findReportSection(TestNumber test) {
    for (const ReportSection& section : sections())
        if (section.test == test)
            return &section;
    return nullptr;
}

ReportSectionRegistration::ReportSectionRegistration(const ReportSection& section) {
    sections().push_back(section);
}

QList<ReportLine> sectionHeading(const AudiometerRecord& record, TransducerKind transducer, const QString& heading) {
    QList<ReportLine> lines;
    lines << ReportLine{}.add(ReportCell{0, heading, false, true, false});
    // The same test follows for several transducers; the reader needs to see which one each is.
    lines << ReportLine{}
                 .add(0, QStringLiteral("Channel #: %1").arg(record.setup.channelToTest))
                 .add(TransducerColumn, transducerPageLabel(transducer), true);
    return lines;
}

QString sideHeading(TransducerKind transducer, int ear) {
    const bool speaker = transducer == TransducerKind::SoundField;
    const QString side = ear == 0 ? QStringLiteral("Left ") : QStringLiteral("Right ");
    return side + (speaker ? QStringLiteral("Speaker") : QStringLiteral("Earphone"));
}

ReportCell judgedCell(int column, const QString& listText, bool failed) {
    QString text = listText;
    if (text.startsWith(u'(') && text.endsWith(u')'))
        text = text.mid(1, text.size() - 2);
    return ReportCell{column, text, failed, false, false};
}

QList<ReportLine> listTable(const ResultList& list, const SectionColumns& columns, const QString& side) {
    QList<ReportLine> lines{ReportLine{}};
    if (!side.isEmpty())
        lines << ReportLine{}.add(0, side, true);
    lines << headLine(columns.top);
    if (!columns.bottom.isEmpty())
        lines << headLine(columns.bottom);
    for (const ResultRow& row : list.rows) {
        ReportLine line;
        const bool failed = row.verdict == RowVerdict::Fail;
        for (int c = 0; c < columns.cellOf.size(); ++c) {
            const QString cell = row.cells.value(columns.cellOf[c]);
            const bool bold = failed && (columns.boldWhenFailing.contains(c) || cell.startsWith(u'('));
            line.add(judgedCell(c * ColumnStep, cell, bold));
        }
        lines << line;
    }
    return lines;
}

} // namespace orvik
