#pragma once

#include "ambient/AmbientRecord.h"
#include "model/AudiometerRecord.h"
#include "report/PageCanvas.h"
#include "report/ReportHeading.h"

#include <QDate>
#include <QStringList>

namespace orvik {

enum class CertificateKind { Audiometer, Booth };

struct CertificateOptions {
    bool border = true;
    bool dateOfSignature = true;
    bool retsplMessage = true;
    QString paragraph; // the paragraph file's text; empty: the default paragraph
    QDate today;       // the date of signature
};

// "(ANSI S3.6 1996)" for records last kept by program versions 0.01 to 1.46, "(ANSI S3.6 2004)" otherwise.
QString editionLabel(quint16 dataVersion);
// The default paragraph as the options dialog shows it, lines ending in "\r\n".
QString defaultParagraph(CertificateKind kind, const QString& companyName, const QString& edition);
// A paragraph file's text as printed: a line ends at each carriage return, and at a blank once it holds more
// than `maxChars` characters. Line feeds are dropped.
QStringList paragraphLines(const QString& text, int maxChars);
// The 4-, 5- and 8-line sets of the default paragraph, tried in this order until one fits between the margins.
QList<QStringList> defaultParagraphSets(CertificateKind kind, const QString& companyName, const QString& edition);

void printAudiometerCertificate(PageCanvas& canvas, const AudiometerRecord& record, const ReportHeading& heading,
                                const CertificateOptions& options);
void printBoothCertificate(PageCanvas& canvas, const AmbientRecord& record, const ReportHeading& heading,
                           const CertificateOptions& options);

} // namespace orvik
