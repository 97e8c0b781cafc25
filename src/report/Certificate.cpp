#include "report/Certificate.h"

#include "model/FixedText.h"
#include "report/InstrumentRows.h"
#include "report/PageMetrics.h"

namespace orvik {

namespace {
const QString SignatureLine = QStringLiteral("Signature: __________________________________________     ");
constexpr int BorderCount = 5;
constexpr int BorderStep = 10;
constexpr int ValueColumn = 12;
constexpr int BlockValueColumn = 27;
constexpr int SecondLabelColumn = 48;
constexpr int EarphoneColumns[] = {30, 48, 66};
constexpr int InstrumentColumns[] = {20, 40, 56, 72};
// The signature sits 550/600 inch above the bottom margin at any resolution.
constexpr int SignatureRise = 550;
constexpr int SignatureRiseDpi = 600;

const QString AudiometerWords = QStringLiteral("audiometer");
const QString BoothWords = QStringLiteral("booth");

// A page drawn top down: the current y and the metrics of the certificate's faces.
class Page {
public:
    Page(PageCanvas& canvas, const PageMetrics& m) : canvas(canvas), m(m), y(m.topMargin) {}

    void text(FontRole role, int x, const QString& s) { canvas.drawText(role, x, y, s); }
    void at(int column, const QString& s, FontRole role = FontRole::Normal) {
        text(role, m.leftMargin + column * m.charWidth, s);
    }
    void centred(FontRole role, const QString& s) { text(role, m.pageWidth / 2 - canvas.textWidth(role, s) / 2, s); }
    // Bold label at the left margin, its value one character after it.
    void labelled(const QString& label, const QString& value) {
        at(0, label, FontRole::Bold);
        text(FontRole::Normal, m.leftMargin + m.charWidth + canvas.textWidth(FontRole::Bold, label), value);
    }
    void next(int lines = 1) { y += lines * m.lineHeight; }
    int widest(const QStringList& lines) const {
        int widest = 0;
        for (const QString& line : lines)
            widest = qMax(widest, canvas.textWidth(FontRole::Normal, line));
        return widest;
    }
    int blockLeft(const QStringList& lines) const { return m.pageWidth / 2 - widest(lines) / 2; }

    PageCanvas& canvas;
    const PageMetrics m;
    int y;
};

FontChoice certificateFonts() {
    return {QStringLiteral("Courier New"), 9, 3.0};
}

void border(Page& page) {
    const PageMetrics& m = page.m;
    const QRect outer(QPoint(m.leftMargin, m.topMargin + m.lineHeight * 3 / 2),
                      QPoint(m.pageWidth - m.leftMargin, m.pageHeight - m.topMargin));
    for (int i = 0; i < BorderCount; ++i)
        page.canvas.drawRect(outer.adjusted(i * BorderStep, i * BorderStep, -i * BorderStep, -i * BorderStep));
    page.y = outer.top() + m.lineHeight;
}

void heading(Page& page, const QString& title, const ReportHeading& heading) {
    page.centred(FontRole::Title, title);
    page.next(3);
    for (const QString& line : {heading.companyName, heading.header1, heading.header2}) {
        page.centred(FontRole::Normal, line);
        page.next();
    }
}

void customer(Page& page, const QString& name, const QString& location1, const QString& location2) {
    page.at(0, QStringLiteral("Customer:"), FontRole::Bold);
    for (const QString& line : {name, location1, location2}) {
        page.at(ValueColumn, line);
        page.next();
    }
}

void row(Page& page, const char* label, const QString& value, const char* label2 = nullptr,
         const QString& value2 = {}) {
    page.at(ValueColumn, QLatin1String(label));
    // "Number of Channels:" runs past the value column; its value then starts one character after it.
    page.at(qMax(BlockValueColumn, ValueColumn + int(qstrlen(label)) + 1), value);
    if (label2) {
        page.at(SecondLabelColumn, QLatin1String(label2));
        page.text(FontRole::Normal,
                  page.m.leftMargin + (SecondLabelColumn + 1) * page.m.charWidth +
                      page.canvas.textWidth(FontRole::Normal, QLatin1String(label2)),
                  value2);
    }
    page.next();
}

void columnsRow(Page& page, const char* label, const QStringList& values) {
    page.at(ValueColumn, QLatin1String(label));
    for (int c = 0; c < values.size(); ++c)
        page.at(EarphoneColumns[c], values[c]);
    page.next();
}

void audiometerBlocks(Page& page, const TestSetup& s, bool retspl) {
    page.at(0, QStringLiteral("Audiometer"), FontRole::Bold);
    page.next();
    row(page, "Manufacturer:", fixedText(s.audManufacturer));
    row(page, "Model Number:", fixedText(s.audModel), "Type:", fixedText(s.audType));
    row(page, "Serial Number:", fixedText(s.audSerialNumber), "Inventory #:", fixedText(s.inventoryNumber));
    row(page, "Number of Channels:", QString::number(s.numberOfChannels), "Channel tested:",
        QString::number(s.channelToTest));

    const EarphoneBlock* phones[] = {&s.supraAural, &s.insert, &s.circumaural};
    const char* const heads[] = {"Supra-aural", "Insert", "Circumaural"};
    page.at(0, QStringLiteral("Earphones"), FontRole::Bold);
    QStringList manufacturer, model, right, left;
    for (int c = 0; c < 3; ++c) {
        page.at(EarphoneColumns[c], QLatin1String(heads[c]) + (earphoneMarked(*phones[c], retspl) ? "*" : ""),
                FontRole::Bold);
        manufacturer << fixedText(phones[c]->manufacturer);
        model << fixedText(phones[c]->model);
        right << fixedText(phones[c]->rightSerial);
        left << fixedText(phones[c]->leftSerial);
    }
    page.next();
    columnsRow(page, "Manufacturer:", manufacturer);
    columnsRow(page, "Model Number:", model);
    columnsRow(page, "Right S/N:", right);
    columnsRow(page, "Left S/N:", left);

    page.at(0, QStringLiteral("Bone Vibrator"), FontRole::Bold);
    page.next();
    row(page, "Manufacturer:", fixedText(s.boneVibrator.manufacturer));
    row(page, "Model Number:", fixedText(s.boneVibrator.model));
    row(page, "Serial Number:", fixedText(s.boneVibrator.serialNumber));

    const DeviceDescription* sp = s.speakers;
    page.at(0, QStringLiteral("Speakers"), FontRole::Bold);
    page.at(EarphoneColumns[0], QStringLiteral("Left"), FontRole::Bold);
    page.at(EarphoneColumns[1], QStringLiteral("Right"), FontRole::Bold);
    page.next();
    columnsRow(page, "Manufacturer:", {fixedText(sp[0].manufacturer), fixedText(sp[1].manufacturer)});
    columnsRow(page, "Model Number:", {fixedText(sp[0].model), fixedText(sp[1].model)});
    columnsRow(page, "Serial Number:", {fixedText(sp[0].serialNumber), fixedText(sp[1].serialNumber)});
}

void instrumentation(Page& page, const QList<InstrumentRow>& rows) {
    page.next(4);
    page.at(0, QStringLiteral("Instrumentation"), FontRole::Bold);
    const char* const heads[] = {"Manufacturer", "Model", "Serial Number", "Cal Due"};
    for (int c = 0; c < 4; ++c)
        page.at(InstrumentColumns[c], QLatin1String(heads[c]), FontRole::Bold);
    page.next();
    for (const InstrumentRow& r : rows) {
        page.at(0, r.label);
        const EmbeddedIdentity& id = *r.identity;
        const QString values[] = {fixedText(id.manufacturer), fixedText(id.model), fixedText(id.serialNumber),
                                  fixedText(id.dueDate)};
        for (int c = 0; c < 4; ++c)
            page.at(InstrumentColumns[c], values[c]);
        page.next();
    }
}

void paragraph(Page& page, CertificateKind kind, const QString& company, const QString& edition,
               const QString& fileText) {
    if (!fileText.isEmpty()) {
        page.next(2);
        const QStringList lines =
            paragraphLines(fileText, (page.m.pageWidth - 2 * page.m.leftMargin) / page.m.charWidth);
        const int left = page.blockLeft(lines);
        for (const QString& line : lines) {
            page.next();
            if (!line.isEmpty())
                page.text(FontRole::Normal, left, line);
        }
        return;
    }
    page.next(8);
    const QList<QStringList> sets = defaultParagraphSets(kind, company, edition);
    QStringList chosen = sets.last();
    for (const QStringList& set : sets) {
        if (page.blockLeft(set) >= page.m.leftMargin) {
            chosen = set;
            break;
        }
    }
    const int left = page.blockLeft(chosen);
    for (const QString& line : chosen) {
        page.text(FontRole::Normal, left, line);
        page.next();
    }
}

void signature(Page& page, const CertificateOptions& options, const QString& technician, bool retsplNote) {
    const PageMetrics& m = page.m;
    page.y = m.pageHeight - m.topMargin - SignatureRise * page.canvas.dotsPerInch().height() / SignatureRiseDpi;
    const QDate& d = options.today;
    page.at(0, SignatureLine + (options.dateOfSignature
                                    ? QString::asprintf("Date Issued: %4d-%02d-%02d", d.year(), d.month(), d.day())
                                    : QStringLiteral("Date Issued: _____________")));
    page.next(2);
    page.text(FontRole::Normal, m.leftMargin + page.canvas.textWidth(FontRole::Normal, QStringLiteral("Signature: ")),
              technician);
    if (retsplNote)
        page.text(FontRole::Normal, m.leftMargin + page.canvas.textWidth(FontRole::Normal, SignatureLine),
                  QStringLiteral("* Includes non-standard RETSPL."));
}

Page startPage(PageCanvas& canvas, const CertificateOptions& options) {
    canvas.setFonts(certificateFonts());
    Page page(canvas, pageMetrics(canvas, 3, 1));
    if (options.border)
        border(page);
    return page;
}

QStringList withEdition(QStringList lines, const QString& edition, bool spaced) {
    lines.last() += spaced ? QStringLiteral("   ") + edition : QString();
    if (!spaced)
        lines << edition;
    return lines;
}
} // namespace

QString editionLabel(quint16 dataVersion) {
    return dataVersion >= 1 && dataVersion <= 146 ? QStringLiteral("(ANSI S3.6 1996)")
                                                  : QStringLiteral("(ANSI S3.6 2004)");
}

QString defaultParagraph(CertificateKind kind, const QString& companyName, const QString& edition) {
    if (kind == CertificateKind::Audiometer)
        return companyName + QStringLiteral(" certifies that this audiometer meets\r\nor exceeds the minimum "
                                            "specifications described in the American\r\nNational Standards "
                                            "Institute Specification for Audiometers.\r\n") +
               edition;
    return companyName + QStringLiteral(" certifies that this booth meets\r\nor exceeds the minimum specifications "
                                        "described in the American\r\nNational Standards Institute Specification "
                                        "for Audiometric Test Rooms.\r\n(ANSI S3.1 1999)");
}

QStringList paragraphLines(const QString& text, int maxChars) {
    QStringList lines;
    QString line;
    for (const QChar c : text) {
        if (c == u'\r' || (c == u' ' && line.size() > maxChars)) {
            lines << line;
            line.clear();
        } else if (c != u'\n') {
            line += c;
        }
    }
    if (!line.isEmpty())
        lines << line;
    return lines;
}

QList<QStringList> defaultParagraphSets(CertificateKind kind, const QString& company, const QString& edition) {
    const bool audiometer = kind == CertificateKind::Audiometer;
    const QString& thing = audiometer ? AudiometerWords : BoothWords;
    const QString purpose = audiometer ? QStringLiteral("Audiometers.") : QStringLiteral("Audiometric Test Rooms.");
    const QString closing = audiometer ? edition : QStringLiteral("(ANSI S3.1 1999)");
    const QStringList four = {company + QStringLiteral(" certifies that this %1 meets").arg(thing),
                              QStringLiteral("or exceeds the minimum specifications described in the American"),
                              QStringLiteral("National Standards Institute Specification for ") + purpose, closing};
    const QStringList five = withEdition({company + u' ', QStringLiteral("certifies that this %1 meets or exceeds").arg(thing),
                                          QStringLiteral("the minimum specifications described in the "),
                                          QStringLiteral("American National Standards Institute Specification"),
                                          QStringLiteral("for ") + purpose},
                                         closing, true);
    const QStringList eight = withEdition({company + u' ', QStringLiteral("certifies that this %1").arg(thing),
                                           QStringLiteral("meets or exceeds the minimum"),
                                           QStringLiteral("specifications described in the "),
                                           QStringLiteral("American National Standards"),
                                           QStringLiteral("  Institute Specification"), QStringLiteral("for ") + purpose},
                                          QStringLiteral("  ") + closing, false);
    return {four, five, eight};
}

void printAudiometerCertificate(PageCanvas& canvas, const AudiometerRecord& record, const ReportHeading& company,
                                const CertificateOptions& options) {
    Page page = startPage(canvas, options);
    const TestSetup& s = record.setup;
    heading(page, QStringLiteral("Certificate of Calibration"), company);
    page.labelled(QStringLiteral("Calibration Date:"), fixedText(s.testDate));
    page.next();
    page.at(0, QStringLiteral("Technician:"), FontRole::Bold);
    page.at(ValueColumn, fixedText(s.technician));
    page.next();
    customer(page, fixedText(s.customerName), fixedText(s.location1), fixedText(s.location2));
    audiometerBlocks(page, s, options.retsplMessage);
    instrumentation(page, instrumentRows(s.instruments, MicLabels::Certificate));
    paragraph(page, CertificateKind::Audiometer, company.companyName, editionLabel(s.dataVersion), options.paragraph);
    signature(page, options, fixedText(s.technician), anyEarphoneMarked(s, options.retsplMessage));
}

void printBoothCertificate(PageCanvas& canvas, const AmbientRecord& record, const ReportHeading& company,
                           const CertificateOptions& options) {
    Page page = startPage(canvas, options);
    heading(page, QStringLiteral("Certificate of Compliance"), company);
    page.labelled(QStringLiteral("Measurement Date:"), fixedText(record.measurementDate));
    page.next();
    customer(page, fixedText(record.customerName), fixedText(record.location1), fixedText(record.location2));
    page.labelled(QStringLiteral("Booth:"), fixedText(record.booth));
    instrumentation(page, instrumentRows(record, QStringLiteral("Microphone")));
    paragraph(page, CertificateKind::Booth, company.companyName, QString(), options.paragraph);
    signature(page, options, QString(), false);
}

} // namespace orvik
