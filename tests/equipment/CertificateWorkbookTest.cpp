#include "equipment/CertificateWorkbook.h"
#include "ScriptedMessageBox.h"

#include <gtest/gtest.h>

using namespace orvik;
using namespace orvik::test;

namespace {

const QString Certificate = QStringLiteral(ORVIK_TEST_DATA_DIR "/mastoid_certificate.xls");

TEST(CertificateWorkbook, FindsIdentityCouplerAndResponsesOfARealWorkbook) {
    const CertificateResult result = readCertificateWorkbook(Certificate);
    ASSERT_TRUE(result.ok) << result.message.toStdString();
    EXPECT_EQ(result.data.model, QStringLiteral("rkb800"));
    EXPECT_EQ(result.data.serialNumber, QStringLiteral("2417")); // a number cell, as text
    EXPECT_EQ(result.data.coupler, 2);
    ASSERT_EQ(result.data.points.size(), 20u);
    EXPECT_DOUBLE_EQ(result.data.points.front().frequency, 250.0);
    EXPECT_DOUBLE_EQ(result.data.points.front().response, 67.9); // the level, not the uncertainty beside it
    EXPECT_DOUBLE_EQ(result.data.points.back().frequency, 8000.0);
}

TEST(CertificateWorkbook, FileThatIsNoWorkbookIsRefused) {
    EXPECT_EQ(readCertificateWorkbook(QStringLiteral(ORVIK_TEST_DATA_DIR "/make_certificate.py")).message,
              QStringLiteral("Unable to load Excel Worksheet"));
}

CellGrid grid(std::initializer_list<std::vector<QVariant>> rows) {
    return CellGrid(rows);
}
const QVariant None;

TEST(CertificateCells, MissingCellsOrBadRowsAreReported) {
    const struct {
        const char* name;
        CellGrid cells;
        const char* message;
    } cases[] = {
        {"NoSerial",
         grid({{QStringLiteral("Model"), QStringLiteral("X")}, {QStringLiteral("Freq (Hz)")}, {250.0, 1.0}}),
         "Could not find the needed data."},
        {"NoRows",
         grid({{QStringLiteral("Model"), QStringLiteral("X")},
               {QStringLiteral("Serial Number:"), 7.0},
               {QStringLiteral("Freq (Hz)")}}),
         "Could not find the needed data."},
        {"Descending",
         grid({{QStringLiteral("Model"), QStringLiteral("X")},
               {QStringLiteral("Serial Number:"), 7.0},
               {QStringLiteral("Freq (Hz)")},
               {500.0, 1.0},
               {250.0, 2.0}}),
         "Exception in finding the Response values"},
        {"RowWithoutResponse",
         grid({{QStringLiteral("Model"), QStringLiteral("X")},
               {QStringLiteral("Serial Number:"), 7.0},
               {QStringLiteral("Freq (Hz)")},
               {250.0, None, QStringLiteral("n/a")}}),
         "Exception in finding the Response values"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(findCertificateData(c.cells).message, QString::fromLatin1(c.message)) << c.name;
}

class ApplyCertificate : public ::testing::Test {
protected:
    ApplyCertificate() : pages(emptyInstrumentEntry(InstrumentKind::Mastoid)) {
        certificate.model = QStringLiteral("rkb800");
        certificate.serialNumber = QStringLiteral("2417");
        certificate.coupler = 2;
        certificate.points = {{250.0, 60.0}, {8000.0, 70.0}};
    }
    CertificateData certificate;
    InstrumentEntry pages;
    ScriptedMessageBox messages;
};

TEST_F(ApplyCertificate, MatchingCouplerLoadsWithoutQuestions) {
    ASSERT_TRUE(applyCertificate(certificate, 2, pages, messages));
    EXPECT_FLOAT_EQ(pages.values.mastoid.response2[5], 60.0f);
    EXPECT_EQ(pages.model(), QStringLiteral("RKB800"));
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(ApplyCertificate, DifferentCouplerAsksAndNoLeavesThePages) {
    messages.answer(QStringLiteral("This certificate is based on using an VQ RKC311 which is different than the "
                                   "response page for RKC420.\n Continue anyway?"),
                    MessageAnswer::No, 1);
    EXPECT_FALSE(applyCertificate(certificate, 3, pages, messages));
    EXPECT_FLOAT_EQ(pages.values.mastoid.response3[5], 0.0f);
}

TEST_F(ApplyCertificate, MissingCouplerAndExistingValuesAskBeforeReplacing) {
    certificate.coupler = 0;
    pages.values.mastoid.response1[6] = 1.0f;
    messages.answer(QStringLiteral("This certificate does not have a coupler model name.\nContinue to load the RKC310 "
                                   "response values?"),
                    MessageAnswer::Yes, 1);
    messages.answer(QStringLiteral("Update the existing mastoid data?"), MessageAnswer::Yes, 1);
    ASSERT_TRUE(applyCertificate(certificate, 1, pages, messages));
    EXPECT_FLOAT_EQ(pages.values.mastoid.response1[5], 60.0f);
    EXPECT_EQ(messages.texts().size(), 2);
}

// Found by the certificate harness: a response cell beyond what the pages hold, reached by interpolation.
TEST_F(ApplyCertificate, ResponseBeyondThePagesRangeIsRefusedAndLeavesThem) {
    const auto cells = CellStream::decode("ORVIK-CELLS 1\n8 3\n0 0 T 5\nModel\n0 1 T 3\nX-1\n1 0 T 14\n"
                                          "Serial Number:\n1 2 T 4\nA 17\n2 1 T 9\nFreq (Hz)\n3 1 N 125\n"
                                          "3 2 N -1.5\n4 1 N 8000\n4 2 N 1e+39\n5 1 T 3\nend\nEND\n");
    ASSERT_TRUE(cells);
    const CertificateResult found = findCertificateData(*cells);
    ASSERT_TRUE(found.ok) << found.message.toStdString();
    messages.answer(QStringLiteral("does not have a coupler model name"), MessageAnswer::Yes, 1);
    messages.answer(QStringLiteral("Internal error.  Unable to import setup from the setup file. (Failed on line 3)."),
                    MessageAnswer::Ok, 1);
    EXPECT_FALSE(applyCertificate(found.data, 1, pages, messages));
    EXPECT_EQ(messages.texts().size(), 2);
    EXPECT_TRUE(pages.model().isEmpty());
    EXPECT_FLOAT_EQ(pages.values.mastoid.response1[24], 0.0f);
}

} // namespace
