#include "equipment/InstrumentImport.h"

#include "equipment/CertificateWorkbook.h"
#include "equipment/InstrumentationEditor.h"

namespace orvik {

namespace {
bool isWorkbook(const QString& path) {
    return path.endsWith(QStringLiteral(".xls"), Qt::CaseInsensitive);
}

bool importCertificate(InstrumentationEditor& editor, MessageBox& messages, const QString& path, int pageSet) {
    const CertificateResult certificate = readCertificateWorkbook(path);
    if (!certificate.ok) {
        messages.show(certificate.message);
        return false;
    }
    // The info page has no set of its own: the certificate's coupler decides, RKC310 when it names none.
    const int set = pageSet != 0 ? pageSet : (certificate.data.coupler != 0 ? certificate.data.coupler : 1);
    InstrumentEntry pages = editor.pages();
    if (!applyCertificate(certificate.data, set, pages, messages))
        return false;
    editor.setPages(pages);
    return true;
}
} // namespace

QString importSetupFile(InstrumentationEditor& editor, const QString& path, SetupDelimiter delimiter,
                        int couplerChoice) {
    const SetupFileResult file = readSetupFile(path, delimiter);
    if (!file.ok)
        return file.message;
    // A file of the other kind would land in fields the shown pages do not have.
    if (file.data.kind != editor.kind())
        return badDataTypeMessage(delimiter);
    InstrumentEntry pages = editor.pages();
    const QString message =
        applySetupFile(file.data, file.data.coupler != 0 ? file.data.coupler : couplerChoice, pages);
    if (message.isEmpty())
        editor.setPages(pages);
    return message;
}

bool importPageFile(InstrumentationEditor& editor, MessageBox& messages, const QString& path, SetupDelimiter delimiter,
                    int pageSet) {
    if (isWorkbook(path)) {
        if (editor.kind() == InstrumentKind::Microphone) {
            // "implememented" is the message as technicians know it; kept verbatim.
            messages.show(QStringLiteral("This file option is not yet implememented for microphones."),
                          MessageButtons::Ok, QStringLiteral("This is not yet implemented"));
            return false;
        }
        return importCertificate(editor, messages, path, pageSet);
    }
    // As from the menu, a coupler the file names wins over the page's set.
    const QString message = importSetupFile(editor, path, delimiter, pageSet != 0 ? pageSet : 1);
    if (message.isEmpty())
        return true;
    messages.show(message);
    return false;
}

} // namespace orvik
