#pragma once

#include "report/AudiometerReport.h"
#include "report/BoothReport.h"

namespace orvik {

// The current test ("Test 1") beside a stored one ("Test 2") of the same audiometer: test information with both
// dates and technicians, the instruments of both (with a note when they differ), the summary and the selected
// tests' sections with every value column doubled. A section's table wider than `pageChars` character widths
// goes on below in further tables.
void buildAudiometerComparison(ReportBuilder& report, const AudiometerRecord& first, const AudiometerRecord& second,
                               const ReportHeading& heading, const AudiometerReportOptions& options, int pageChars);
int printAudiometerComparison(PageCanvas& canvas, const AudiometerRecord& first, const AudiometerRecord& second,
                              const ReportHeading& heading, const AudiometerReportOptions& options);

// A booth comparison prints the current booth only: its information, instruments and ANSI table.
int printBoothComparison(PageCanvas& canvas, const AmbientRecord& record, const ReportHeading& heading,
                         const BoothReportOptions& options);

} // namespace orvik
