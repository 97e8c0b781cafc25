#pragma once

#include "cli/OpenedDocument.h"
#include "report/ReportHeading.h"

#include <optional>

namespace orvik::cli {

// What orvik-cli report, certificate, export and compare are asked for: one stored test (and the one it is
// compared with) and the file to write, a PDF or an export.
struct PrintoutArguments {
    QString db;
    QString pdf;
    QString out; // export
    std::optional<RowId> id;
    std::optional<QString> booth;
    std::optional<RowId> withId;       // compare
    std::optional<QString> withBooth;  // compare
    QString withDb;                    // compare: Test 2 from another database file
    QString tests;     // report: orvik-cli calibrate keys
    QString paragraph; // certificate: paragraph file
    bool noRetsplMessage = false;
    bool noBorder = false;
    bool noDate = false;
    bool tab = false; // export
};

// Accepts the options every printout takes and those in `extras` ("--tests", "--no-border", …); nullopt on
// anything else, a missing value, not exactly one of --id and --booth, or not exactly one of --pdf and --out.
std::optional<PrintoutArguments> parsePrintoutArguments(const QStringList& arguments, const QStringList& extras);

// Loads the audiometer test or the booth test named; false after the program's own message.
bool loadPrintoutRecord(OpenedDocument& opened, const PrintoutArguments& arguments);

// The company name and header lines of this machine's preferences.
ReportHeading preferencesHeading();

} // namespace orvik::cli
