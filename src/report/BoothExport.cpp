#include "report/BoothExport.h"

#include "ambient/LevelPage.h"
#include "model/FixedText.h"
#include "report/AudiometerExport.h"
#include "report/InstrumentRows.h"

namespace orvik {

namespace {
QString number(float value) {
    return QString::asprintf("%.1f", double(value));
}

ExportLines information(const AmbientRecord& r) {
    ExportLines lines{{"Measurement Date:", fixedText(r.measurementDate)},
                      {"Booth:", fixedText(r.booth)},
                      {"Customer:", fixedText(r.customerName)},
                      {"", fixedText(r.location1)},
                      {"", fixedText(r.location2)},
                      {"Instrumentation", "Manufacturer", "Model", "Serial Number", "Cal Due"}};
    for (const InstrumentRow& row : instrumentRows(r, QStringLiteral("Mic")))
        lines << instrumentExportLine(row);
    return lines;
}

ExportLines ansiTable(const AmbientRecord& r, bool notCovered) {
    const QString range[] = {"125 to 8000 Hz", "250 to 8000 Hz", "500 to 8000 Hz"};
    ExportLines lines{{"", "", range[0], "", range[1], "", range[2]}};
    if (notCovered)
        lines << ExportLine{"Frequency", "Measured", "ANSI Max", "ANSI Max",
                            "ANSI Max",  "ANSI Max", "ANSI Max", "ANSI Max"}
              << ExportLine{"(Hz)", "SPL", "Covered", "Uncovered", "Covered", "Uncovered", "Covered", "Uncovered"};
    else
        lines << ExportLine{"Frequency", "Measured", "ANSI Max", "", "ANSI Max", "", "ANSI Max", ""}
              << ExportLine{"(Hz)", "SPL", "Covered", "", "Covered", "", "Covered", ""};
    std::vector<LevelRow> rows[AnsiRangeCount];
    for (int range = 0; range < AnsiRangeCount; ++range)
        rows[range] = levelPageRows(r, range, false);
    for (std::size_t i = 0; i < rows[0].size(); ++i) {
        ExportLine line{rows[0][i].label, number(rows[0][i].measured)};
        for (int range = 0; range < AnsiRangeCount; ++range)
            line.cells << number(rows[range][i].limit) << (notCovered ? number(rows[range][i].notCovered) : QString());
        lines << line;
    }
    return lines << ExportLine::forcedEmpty();
}

ExportLines oshaTable(const AmbientRecord& r) {
    ExportLines lines{{"Frequency", "Measured", "OSHA"}, {"(Hz)", "SPL", "Limits"}};
    for (const LevelRow& row : levelPageRows(r, OshaRange, false))
        lines << ExportLine{row.label, number(row.measured), number(row.limit)};
    return lines;
}
} // namespace

ExportLines boothExport(const AmbientRecord& record, const ReportHeading& heading, const BoothReportOptions& options) {
    ExportLines lines = exportedCompanyLines(heading) + information(record);
    if (options.displayMode == 0 || options.displayMode == 2)
        lines += ansiTable(record, options.showNotCovered);
    if (options.displayMode == 1 || options.displayMode == 2)
        lines += oshaTable(record);
    return lines;
}

} // namespace orvik
