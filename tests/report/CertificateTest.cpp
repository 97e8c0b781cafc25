// Certificate layout decisions on the recording canvas, and the paragraph file.
#include "report/Certificate.h"
#include "report/ParagraphFile.h"
#include "report/RecordingCanvas.h"

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>

namespace orvik {
namespace {

std::unique_ptr<AudiometerRecord> record() {
    auto r = std::make_unique<AudiometerRecord>();
    std::memset(r.get(), 0, sizeof *r);
    std::strcpy(r->setup.technician, "Pat Doe");
    std::strcpy(r->setup.instruments.soundLevelMeter.serialNumber, "SLM-1");
    std::strcpy(r->setup.instruments.microphones[1].identity.manufacturer, "Veltan-Quirn");
    std::strcpy(r->setup.instruments.microphones[1].identity.serialNumber, "M-1");
    std::strcpy(r->setup.instruments.calibrator.identity.manufacturer, "No serial");
    r->setup.supraAural.standard = r->setup.insert.standard = r->setup.circumaural.standard = 1;
    r->setup.dataVersion = 220;
    return r;
}

CertificateOptions options() {
    CertificateOptions o;
    o.today = QDate(2026, 3, 4);
    return o;
}

TEST(Certificate, TheDefaultParagraphIsTheFirstSetThatFitsBetweenTheMargins) {
    const struct {
        int companyLength;
        const char* lineOfTheSet;
    } cases[] = {{20, "or exceeds the minimum specifications described in the American"},
                 {70, "certifies that this audiometer meets or exceeds"},
                 {110, "meets or exceeds the minimum"}};
    for (const auto& c : cases) {
        RecordingCanvas canvas;
        printAudiometerCertificate(canvas, *record(), {QString(c.companyLength, u'C'), {}, {}}, options());
        EXPECT_TRUE(canvas.find(QLatin1String(c.lineOfTheSet))) << c.companyLength;
        EXPECT_TRUE(std::any_of(canvas.texts().begin(), canvas.texts().end(), [](const RecordingCanvas::Text& t) {
            return t.text.endsWith(QLatin1String("(ANSI S3.6 2004)"));
        })) << c.companyLength;
    }
}

TEST(Certificate, OptionsDecideBorderDateAndRetsplMarks) {
    const struct {
        bool border, date, retspl;
        quint8 circumauralStandard;
        bool marked;
    } cases[] = {{true, true, true, 1, false}, {false, false, true, 0, true}, {true, true, false, 0, false}};
    for (const auto& c : cases) {
        auto r = record();
        r->setup.circumaural.standard = c.circumauralStandard;
        CertificateOptions o = options();
        o.border = c.border;
        o.dateOfSignature = c.date;
        o.retsplMessage = c.retspl;
        RecordingCanvas canvas;
        printAudiometerCertificate(canvas, *r, {}, o);
        EXPECT_EQ(canvas.rects().size(), c.border ? 5 : 0);
        const QString signature = QStringLiteral("Signature: __________________________________________     Date Issued: ");
        EXPECT_TRUE(canvas.find(signature + (c.date ? "2026-03-04" : "_____________")));
        EXPECT_EQ(canvas.find(QStringLiteral("Circumaural*")) != nullptr, c.marked);
        EXPECT_EQ(canvas.find(QStringLiteral("* Includes non-standard RETSPL.")) != nullptr, c.marked);
    }
}

TEST(Certificate, InstrumentsWithoutSerialAreLeftOutAndOurMicrophonesKeepTheirNames) {
    RecordingCanvas canvas;
    printAudiometerCertificate(canvas, *record(), {}, options());
    EXPECT_TRUE(canvas.find(QStringLiteral("Sound Level Meter")));
    EXPECT_TRUE(canvas.find(QStringLiteral("RKC311 Mic")));
    EXPECT_FALSE(canvas.find(QStringLiteral("Calibrator")));
    EXPECT_FALSE(canvas.find(QStringLiteral("Open Air Mic")));
}

TEST(Certificate, AParagraphFileIsReadToItsLimitAndCutIntoLines) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("long.acp"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(ParagraphFileLimit, 'a') + "TAIL");
    file.close();
    QString text;
    EXPECT_EQ(readParagraphFile(path, text), ParagraphRead::Ok);
    EXPECT_EQ(text.size(), ParagraphFileLimit);
    EXPECT_EQ(readParagraphFile(dir.filePath(QStringLiteral("missing.acp")), text), ParagraphRead::CannotOpen);

    EXPECT_EQ(paragraphLines(QStringLiteral("one\r\n\r\ntwo three four five"), 7),
              (QStringList{"one", "", "two three", "four five"}));
}

TEST(Certificate, EditionFollowsTheRecordsDataVersion) {
    EXPECT_EQ(editionLabel(0), QStringLiteral("(ANSI S3.6 2004)"));
    EXPECT_EQ(editionLabel(1), QStringLiteral("(ANSI S3.6 1996)"));
    EXPECT_EQ(editionLabel(146), QStringLiteral("(ANSI S3.6 1996)"));
    EXPECT_EQ(editionLabel(147), QStringLiteral("(ANSI S3.6 2004)"));
}

} // namespace
} // namespace orvik
