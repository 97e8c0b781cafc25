// orvik-cli certificate: the one-page certificate of a stored audiometer or booth test as a PDF, without a window.
#include "cli/CliCommand.h"
#include "cli/PrintoutArguments.h"
#include "cli/widgets/OffscreenApplication.h"
#include "core/Clock.h"
#include "report/Certificate.h"
#include "report/ParagraphFile.h"
#include "report/widgets/PdfOutput.h"

namespace orvik::cli {

namespace {
int run(const QStringList& arguments, QTextStream& out, QTextStream& err);

const CliCommand Certificate{
    "certificate",
    "certificate --db FILE (--id N | --booth NAME) --pdf OUT [--paragraph FILE] [--no-border] [--no-date]\n"
    "               [--no-retspl-message]",
    run, offscreenApplication};
const CliCommandRegistration registration(Certificate);

// A paragraph file that cannot be used never stops the certificate: the default paragraph stands in.
QString paragraphText(const QString& path, QTextStream& err) {
    QString text;
    if (path.isEmpty())
        return text;
    switch (readParagraphFile(path, text)) {
    case ParagraphRead::CannotOpen:
        err << "Unable to open file.  Will use default paragraph.\n";
        break;
    case ParagraphRead::Empty:
        err << "Paragraph file appears to be empty.\nWill use original default paragraph.\n";
        break;
    case ParagraphRead::Ok:
        break;
    }
    return text;
}

int run(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    const std::optional<PrintoutArguments> a = parsePrintoutArguments(
        arguments, {QStringLiteral("--pdf"), QStringLiteral("--no-retspl-message"), QStringLiteral("--paragraph"),
                    QStringLiteral("--no-border"), QStringLiteral("--no-date")});
    if (!a)
        return usageError(Certificate, err);
    if (const QString warning = missingFontWarning(); !warning.isEmpty())
        err << "orvik-cli: " << warning << '\n';
    CertificateOptions options;
    options.border = !a->noBorder;
    options.dateOfSignature = !a->noDate;
    options.retsplMessage = !a->noRetsplMessage;
    options.today = QDate::currentDate();
    options.paragraph = paragraphText(a->paragraph, err);
    SystemClock clock;
    OpenedDocument opened(err, clock);
    if (!loadPrintoutRecord(opened, *a))
        return 1;
    const ReportHeading heading = preferencesHeading();
    const QString error = writePdf(a->pdf, QStringLiteral("Certificate"), [&](PageCanvas& canvas) {
        if (a->id)
            printAudiometerCertificate(canvas, opened.doc.record(), heading, options);
        else
            printBoothCertificate(canvas, opened.doc.ambientRecord(), heading, options);
    });
    if (!error.isEmpty()) {
        err << "orvik-cli certificate: " << error << '\n';
        return 1;
    }
    out << "wrote " << a->pdf << '\n';
    return 0;
}
} // namespace

} // namespace orvik::cli
