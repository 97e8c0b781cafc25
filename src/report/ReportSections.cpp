#include "report/ReportSections.h"

#include <vector>

namespace orvik {

namespace {
constexpr int TransducerColumn = 14;
constexpr int BinauralSide = 2;

ReportLine headLine(const QStringList& words, int step) {
    ReportLine line;
    for (int c = 0; c < words.size(); ++c)
        line.add(c * step, words[c], true);
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
    if (ear == BinauralSide)
        return QStringLiteral("Binaural");
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

QList<ReportLine> tableLines(const SectionTable& table) {
    const SectionColumns& columns = table.columns;
    QList<ReportLine> lines{ReportLine{}};
    if (!table.side.isEmpty())
        lines << ReportLine{}.add(0, table.side, true);
    lines << table.above;
    if (!table.list.rows.isEmpty()) {
        lines << headLine(columns.top, columns.step);
        if (!columns.bottom.isEmpty())
            lines << headLine(columns.bottom, columns.step);
    }
    for (const ResultRow& row : table.list.rows) {
        ReportLine line;
        for (int c = 0; c < columns.cellOf.size(); ++c)
            line.add(listCell(row, columns, c, c * columns.step));
        lines << line;
    }
    for (const TestNote& note : table.notes)
        lines << ReportLine{}.add(0, note.text);
    return lines;
}

QList<ReportLine> sectionLines(const AudiometerRecord& record, TransducerKind transducer, const SectionTables& tables) {
    QList<ReportLine> lines;
    for (const SectionTable& table : tables.tables)
        if (table.list.verdict != PageVerdict::NoneJudged)
            lines << tableLines(table);
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

ExportLines exportTables(const AudiometerRecord& record, const SectionTables& tables, const QStringList& top,
                         const QStringList& bottom, const QList<int>& cellOf) {
    ExportLines body;
    for (const SectionTable& table : tables.tables) {
        if (table.list.verdict == PageVerdict::NoneJudged)
            continue;
        if (!table.side.isEmpty())
            body << ExportLine{table.side};
        body << ExportLine{top};
        if (!bottom.isEmpty())
            body << ExportLine{bottom};
        body << exportRows(table.list, cellOf);
    }
    return body.isEmpty() ? body : exportSectionTitle(record, tables.heading) + body;
}

} // namespace orvik
