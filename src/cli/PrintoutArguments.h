#pragma once

#include "cli/OpenedDocument.h"
#include "report/ReportHeading.h"

#include <optional>

namespace orvik::cli {

// What orvik-cli report and certificate are asked to print: one stored test and the PDF to write.
struct PrintoutArguments {
    QString db;
    QString pdf;
    std::optional<RowId> id;
    std::optional<QString> booth;
    QString tests;     // report: orvik-cli calibrate keys
    QString paragraph; // certificate: paragraph file
    bool noRetsplMessage = false;
    bool noBorder = false;
    bool noDate = false;
};

// Accepts the options every printout takes and those in `extras` ("--tests", "--no-border", …); nullopt on
// anything else, a missing value, or not exactly one of --id and --booth.
std::optional<PrintoutArguments> parsePrintoutArguments(const QStringList& arguments, const QStringList& extras);

// Loads the audiometer test or the booth test named; false after the program's own message.
bool loadPrintoutRecord(OpenedDocument& opened, const PrintoutArguments& arguments);

// The company name and header lines of this machine's preferences.
ReportHeading preferencesHeading();

} // namespace orvik::cli
