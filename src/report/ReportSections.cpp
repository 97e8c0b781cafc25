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

QString unmarked(const QString& listText) {
    if (listText.startsWith(u'(') && listText.endsWith(u')'))
        return listText.mid(1, listText.size() - 2);
    return listText;
}

ReportCell judgedCell(int column, const QString& listText, bool failed) {
    return ReportCell{column, unmarked(listText), failed, false, false};
}

ReportCell listCell(const ResultRow& row, const SectionColumns& columns, int printed, int column) {
    const QString cell = row.cells.value(columns.cellOf[printed]);
    const bool failed = row.verdict == RowVerdict::Fail;
    return judgedCell(column, cell, failed && (columns.boldWhenFailing.contains(printed) || cell.startsWith(u'(')));
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
        for (int c = 0; c < columns.cellOf.size(); ++c)
            line.add(listCell(row, columns, c, c * ColumnStep));
        lines << line;
    }
    return lines;
}

QList<ReportLine> sectionLines(const AudiometerRecord& record, TransducerKind transducer,
                               const SectionTables& tables) {
    QList<ReportLine> lines;
    for (const SectionTable& table : tables.tables)
        if (table.list.verdict != PageVerdict::NoneJudged)
            lines << table.above << listTable(table.list, table.columns, table.side);
    if (lines.isEmpty())
        return lines;
    return sectionHeading(record, transducer, tables.heading) + lines << ReportLine{};
}

ExportLines exportSectionTitle(const AudiometerRecord& record, const QString& heading) {
    const QString dashes = QStringLiteral("-------");
    return {{dashes, heading, dashes},
            {dashes, heading, QStringLiteral("Channel #: %1").arg(record.setup.channelToTest), dashes}};
}

ExportLines exportRows(const ResultList& list, const QList<int>& cellOf) {
    ExportLines lines;
    for (const ResultRow& row : list.rows) {
        ExportLine line;
        for (const int cell : cellOf)
            line.cells << unmarked(row.cells.value(cell));
        lines << line;
    }
    return lines;
}

} // namespace orvik
