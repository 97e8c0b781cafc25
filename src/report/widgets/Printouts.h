#pragma once

#include "ambient/AmbientRecord.h"
#include "core/FileChoice.h"
#include "core/Preferences.h"
#include "core/SettingsStore.h"
#include "model/AudiometerRecord.h"
#include "report/BoothReport.h"

class QWidget;

namespace orvik {

class MessageBox;

// What the Report menu's printouts need from the window.
struct PrintoutSeams {
    QWidget* parent;
    MessageBox& messages;
    ChooseFile chooseFile;
    // Company lines and the remembered paragraph files; the certificate dialog updates the path it was given.
    Preferences& preferences;
    std::function<void()> writePreferences;
};

// "Report...": the data selection first, then the preview.
void previewAudiometerReport(const PrintoutSeams& seams, const AudiometerRecord& record);
void previewBoothReport(const PrintoutSeams& seams, const AmbientRecord& record, const BoothReportOptions& options);
// "Certificate...": the certification paragraph and options first, then the preview.
void previewAudiometerCertificate(const PrintoutSeams& seams, const AudiometerRecord& record);
void previewBoothCertificate(const PrintoutSeams& seams, const AmbientRecord& record);
// "Compare With...", once the stored test is chosen: the data selection for an audiometer, then the preview.
void previewAudiometerComparison(const PrintoutSeams& seams, const AudiometerRecord& record,
                                 const AudiometerRecord& comparison);
void previewBoothComparison(const PrintoutSeams& seams, const AmbientRecord& record, const BoothReportOptions& options);
// "Export...": the export dialog over the current test; a booth follows its view's display.
void exportAudiometerTest(const PrintoutSeams& seams, SettingsStore& settings, const AudiometerRecord& record);
void exportBoothTest(const PrintoutSeams& seams, SettingsStore& settings, const AmbientRecord& record,
                     const BoothReportOptions& options);

} // namespace orvik
