#include "report/widgets/Printouts.h"

#include "report/AudiometerExport.h"
#include "report/AudiometerReport.h"
#include "report/BoothExport.h"
#include "report/Comparison.h"
#include "report/ParagraphFile.h"
#include "report/widgets/CertificateOptionsDialog.h"
#include "report/widgets/ExportDialog.h"
#include "report/widgets/PrintPreview.h"
#include "report/widgets/ReportDataSelectDialog.h"

namespace orvik {

namespace {
ReportHeading headingOf(const Preferences& p) {
    return {p.companyName, p.header1, p.header2};
}

void preview(const PrintoutSeams& seams, const QString& title, const DrawPages& draw) {
    showPrintPreview(seams.parent, title, draw, seams.chooseFile, seams.messages);
}

void exportContent(const PrintoutSeams& seams, SettingsStore& settings, ExportContent content) {
    ExportDialog dialog(std::move(content), {settings, seams.messages, seams.chooseFile}, seams.parent);
    dialog.exec();
}

// The options of a certificate, or nullopt when the technician cancelled. The chosen paragraph file is
// remembered for the next certificate of the kind.
std::optional<CertificateOptions> certificateOptions(const PrintoutSeams& seams, CertificateKind kind,
                                                     const QString& defaultText, QString& storedPath) {
    CertificateOptionsDialog dialog(kind, defaultText, storedPath, seams.messages, seams.chooseFile, seams.parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    storedPath = dialog.paragraphPath();
    if (seams.writePreferences)
        seams.writePreferences();
    CertificateOptions options = dialog.options();
    readParagraphFile(storedPath, options.paragraph);
    options.today = QDate::currentDate();
    return options;
}
} // namespace

void previewAudiometerReport(const PrintoutSeams& seams, const AudiometerRecord& record) {
    ReportDataSelectDialog select(seams.parent);
    if (select.exec() != QDialog::Accepted)
        return;
    const AudiometerReportOptions options = select.options();
    const ReportHeading heading = headingOf(seams.preferences);
    preview(seams, QStringLiteral("Report"),
            [&](PageCanvas& canvas) { printAudiometerReport(canvas, record, heading, options); });
}

void previewBoothReport(const PrintoutSeams& seams, const AmbientRecord& record, const BoothReportOptions& options) {
    const ReportHeading heading = headingOf(seams.preferences);
    preview(seams, QStringLiteral("Report"),
            [&](PageCanvas& canvas) { printBoothReport(canvas, record, heading, options); });
}

void previewAudiometerCertificate(const PrintoutSeams& seams, const AudiometerRecord& record) {
    const ReportHeading heading = headingOf(seams.preferences);
    const std::optional<CertificateOptions> options = certificateOptions(
        seams, CertificateKind::Audiometer,
        defaultParagraph(CertificateKind::Audiometer, heading.companyName, editionLabel(record.setup.dataVersion)),
        seams.preferences.audCertPath);
    if (options)
        preview(seams, QStringLiteral("Certificate"),
                [&](PageCanvas& canvas) { printAudiometerCertificate(canvas, record, heading, *options); });
}

void previewBoothCertificate(const PrintoutSeams& seams, const AmbientRecord& record) {
    const ReportHeading heading = headingOf(seams.preferences);
    const std::optional<CertificateOptions> options = certificateOptions(
        seams, CertificateKind::Booth, defaultParagraph(CertificateKind::Booth, heading.companyName, QString()),
        seams.preferences.ambCertPath);
    if (options)
        preview(seams, QStringLiteral("Certificate"),
                [&](PageCanvas& canvas) { printBoothCertificate(canvas, record, heading, *options); });
}

void previewAudiometerComparison(const PrintoutSeams& seams, const AudiometerRecord& record,
                                 const AudiometerRecord& comparison) {
    ReportDataSelectDialog select(seams.parent);
    if (select.exec() != QDialog::Accepted)
        return;
    const AudiometerReportOptions options = select.options();
    const ReportHeading heading = headingOf(seams.preferences);
    preview(seams, QStringLiteral("Comparison"),
            [&](PageCanvas& canvas) { printAudiometerComparison(canvas, record, comparison, heading, options); });
}

void previewBoothComparison(const PrintoutSeams& seams, const AmbientRecord& record,
                            const BoothReportOptions& options) {
    const ReportHeading heading = headingOf(seams.preferences);
    preview(seams, QStringLiteral("Comparison"),
            [&](PageCanvas& canvas) { printBoothComparison(canvas, record, heading, options); });
}

void exportAudiometerTest(const PrintoutSeams& seams, SettingsStore& settings, const AudiometerRecord& record) {
    exportContent(seams, settings,
                  {audiometerExport(record, headingOf(seams.preferences)), QStringLiteral("Audiometer Report")});
}

void exportBoothTest(const PrintoutSeams& seams, SettingsStore& settings, const AmbientRecord& record,
                     const BoothReportOptions& options) {
    exportContent(seams, settings,
                  {boothExport(record, headingOf(seams.preferences), options), QStringLiteral("Booth Report")});
}

} // namespace orvik
