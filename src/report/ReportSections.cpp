#include "report/ReportSections.h"

#include <vector>

namespace orvik {

namespace {
constexpr int TransducerColumn = 14;

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

} // namespace orvik
