#include "equipment/SetupFileImport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace orvik;

namespace {

QByteArray micFile(const QByteArray& header, const QByteArray& body = "31.5,0.1\n8000,0.9\n") {
    return header + "\n" + body;
}

// ---- Header checks ----

struct HeaderCase {
    const char* name;
    QByteArray header;
    const char* message; // nullptr: accepted
};

class SetupHeader : public ::testing::TestWithParam<HeaderCase> {};

TEST_P(SetupHeader, IsCheckedFieldByField) {
    const SetupFileResult result = parseSetupText(micFile(GetParam().header), SetupDelimiter::Comma);
    if (GetParam().message) {
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.message, QString::fromLatin1(GetParam().message));
    } else {
        EXPECT_TRUE(result.ok) << result.message.toStdString();
    }
}

const QByteArray M25(25, 'M'), M26(26, 'M');

INSTANTIATE_TEST_SUITE_P(
    Fields, SetupHeader,
    ::testing::Values(
        HeaderCase{"Manufacturer25", "MIC," + M25 + ",RKM377,2011456,48.7,20251231", nullptr},
        HeaderCase{"Manufacturer26", "MIC," + M26 + ",RKM377,2011456,48.7,20251231",
                   "Manufacturer is too long. Maximum length is 25 (Line 1)."},
        HeaderCase{"Model15", "MIC,VQ,123456789012345,2011456,48.7,20251231", nullptr},
        HeaderCase{"Model16", "MIC,VQ,1234567890123456,2011456,48.7,20251231",
                   "Model is too long. Maximum length is 15 (Line 1)."},
        HeaderCase{"Serial12", "MIC,VQ,RKM377,123456789012,48.7,20251231", nullptr},
        HeaderCase{"Serial13", "MIC,VQ,RKM377,1234567890123,48.7,20251231",
                   "Serial number is too long. Maximum length is 12 (Line 1)."},
        HeaderCase{"NoManufacturer", "MIC,,RKM377,1,48.7,20251231",
                   "Manufacturer is missing in the setup file (Line 1)."},
        HeaderCase{"NoModel", "MIC,VQ", "Model is missing in the setup file (Line 1)."},
        HeaderCase{"NoSerial", "MIC,VQ,RKM377", "Serial number is missing in the setup file (Line 1)."},
        HeaderCase{"NoSensitivity", "MIC,VQ,RKM377,1,,20251231", "Sensitivity is missing in the setup file (Line 1)."},
        HeaderCase{"NoDueDate", "MIC,VQ,RKM377,1,48.7", "Cal due date is missing in the setup file (Line 1)."},
        HeaderCase{"Year1899", "MIC,VQ,RKM377,1,48.7,12/31/1899", "Bad cal due date in the setup file (Line 1)."},
        HeaderCase{"Year2101", "MIC,VQ,RKM377,1,48.7,12/31/2101", "Bad cal due date in the setup file (Line 1)."},
        HeaderCase{"Month13", "MIC,VQ,RKM377,1,48.7,13/01/2012", "Bad cal due date in the setup file (Line 1)."},
        HeaderCase{"Day32", "MIC,VQ,RKM377,1,48.7,12/32/2012", "Bad cal due date in the setup file (Line 1)."},
        HeaderCase{"February30", "MIC,VQ,RKM377,1,48.7,02/30/2012", "Bad cal due date in the setup file (Line 1)."},
        HeaderCase{"DigitsMonth13", "MIC,VQ,RKM377,1,48.7,20251399", "Bad cal due date in the setup file (Line 1)."},
        HeaderCase{"DigitsDay00", "MIC,VQ,RKM377,1,48.7,20251200", "Bad cal due date in the setup file (Line 1)."},
        HeaderCase{"DigitsYear0999", "MIC,VQ,RKM377,1,48.7,09991231", "Bad cal due date in the setup file (Line 1)."},
        HeaderCase{"NulInModel", QByteArray("MIC,VQ,RKM\0" "377,1,48.7,20251231", 30),
                   "Model holds a NUL character in the setup file (Line 1)."},
        HeaderCase{"NoDataType", ",VQ,RKM377,1,48.7,20251231", "Data type is missing in the setup file (Line 1)."},
        HeaderCase{"BadDataType", "SPEAKER,VQ,RKM377,1,48.7,20251231",
                   "Bad or missing data type in the setup file (Line 1).\n(Be sure the data in the file is "
                   "comma-delimited.)"},
        HeaderCase{"MastoidSixLetters", "MASTOIDS,VQ,RKB800,1,1.5,20251231", nullptr},
        HeaderCase{"RkmIsAMastoid", "RKM,VQ,RKB800,1,1.5,20251231", nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SetupFile, BothDueDateFormsGiveTheSameDate) {
    for (const QByteArray& date : {QByteArray("20121231"), QByteArray("12/31/2012")}) {
        const auto result = parseSetupText(micFile("MIC,VQ,RKM377,1,48.7," + date), SetupDelimiter::Comma);
        ASSERT_TRUE(result.ok) << date.constData();
        EXPECT_EQ(result.data.dueDate, QStringLiteral("2012-12-31"));
    }
}

TEST(SetupFile, TabDelimitedFileReadWithCommaNamesTheDelimiter) {
    const auto result = parseSetupText("MIC\tVQ\tRKM377\t1\t48.7\t20251231\n31.5\t0\n", SetupDelimiter::Comma);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.message.contains(QStringLiteral("comma-delimited")));
    const auto asTab = parseSetupText("MIC\tVQ\tRKM377\t1\t48.7\t20251231\n31.5\t0\n", SetupDelimiter::Tab);
    EXPECT_TRUE(asTab.ok) << asTab.message.toStdString();
}

TEST(SetupFile, MastoidCouplerComesFromTheFile) {
    const struct {
        const char* field;
        int coupler;
    } cases[] = {{"RKC100", 1}, {"101", 2}, {"C201", 3}, {"RKC1000X", 0}, {"", 0}, {"999", 0}};
    for (const auto& c : cases) {
        const auto result = parseSetupText(QByteArray("MASTOID,VQ,rkb800,1,1.5,20251231,") + c.field + "\n250,40\n",
                                           SetupDelimiter::Comma);
        ASSERT_TRUE(result.ok) << c.field;
        EXPECT_EQ(result.data.coupler, c.coupler) << c.field;
    }
}

// ---- Frequency lines ----

QByteArray lines(int count, double first = 31.5) {
    QByteArray body;
    for (int i = 0; i < count; ++i)
        body += QByteArray::number(first + i * 100) + ",0.5\n";
    return body;
}

// Two hundred lines are accepted; each faulty body is refused with its message, lines counted from the header.
TEST(SetupFile, FaultyFrequencyLinesAreReportedWithTheirMessage) {
    const QByteArray header = "MIC,VQ,RKM377,1,48.7,20251231";
    EXPECT_TRUE(parseSetupText(micFile(header, lines(200)), SetupDelimiter::Comma).ok);
    const struct {
        QByteArray body;
        const char* message;
    } cases[] = {
        {lines(201), "There are too many frequencies in the setup file.\nMaximum number allowed is 200."},
        {"31.5,0\n125,1\n125,2\n", "Frequency appears to be out of order in the setup file (Line 4).\n"
                                   "Frequencies must be in ascending order."},
        {"31.5,0\n125\n", "Missing frequency response in the setup file (Line 3)."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parseSetupText(micFile(header, c.body), SetupDelimiter::Comma).message,
                  QString::fromLatin1(c.message));
}

// Values that are no number are refused by their field, never read as 0 or carried on as NaN or infinity.
TEST(SetupFile, ValuesThatAreNoNumberAreRefusedByTheirField) {
    const QByteArray body = "31.5,0.1\n8000,0.9\n";
    const char* const badSensitivity = "Sensitivity is not a valid number in the setup file (Line 1).";
    const struct {
        QByteArray header;
        QByteArray body;
        const char* message;
    } cases[] = {
        {"MIC,VQ,RKM377,1,nan,20251231", body, badSensitivity},
        {"MIC,VQ,RKM377,1,inf,20251231", body, badSensitivity},
        {"MIC,VQ,RKM377,1,1e999,20251231", body, badSensitivity},
        {"MIC,VQ,RKM377,1,48.7mV,20251231", body, badSensitivity},
        {"MIC\tVQ\tRKM377\t1\t-1,5\t20251231", "31.5\t0.1\n", badSensitivity},
        {"MIC,VQ,RKM377,1,,20251231", body, "Sensitivity is missing in the setup file (Line 1)."},
        {"MIC,VQ,RKM377,1,48.7,20251231", "31.5,nan\n8000,0.9\n",
         "Frequency response is not a valid number in the setup file (Line 2)."},
        {"MIC,VQ,RKM377,1,48.7,20251231", "31.5,0.1\n8000,1.5dB\n",
         "Frequency response is not a valid number in the setup file (Line 3)."},
        {"MIC,VQ,RKM377,1,48.7,20251231", "31.5,0.1\ninf,0.9\n",
         "Frequency is not a valid number in the setup file (Line 3)."},
    };
    for (const auto& c : cases) {
        const auto delimiter = c.header.contains('\t') ? SetupDelimiter::Tab : SetupDelimiter::Comma;
        EXPECT_EQ(parseSetupText(micFile(c.header, c.body), delimiter).message, QString::fromLatin1(c.message))
            << c.header.constData();
    }
}

// A spreadsheet saving "CSV UTF-8" writes a byte-order mark and may quote every text field.
TEST(SetupFile, ReadsWhatASpreadsheetWrites) {
    const struct {
        const char* name;
        QByteArray text;
        SetupDelimiter delimiter;
        const char* manufacturer;
    } cases[] = {
        {"ByteOrderMark", "\xEF\xBB\xBFMIC,VQ,RKM377,1,48.7,20251231\n31.5,0.1\n", SetupDelimiter::Comma, "VQ"},
        {"Utf8Text",
         "\xEF\xBB\xBFMIC,Br\xC3\xBC"
         "el,RKM377,1,48.7,20251231\n31.5,0.1\n",
         SetupDelimiter::Comma,
         "Br\xC3\xBC"
         "el"},
        {"QuotedFields", "\"MIC\",\"Acme, Inc.\",\"RKM377\",\"1\",48.7,20251231\r\n\"31.5\",\"0.1\"\r\n",
         SetupDelimiter::Comma, "Acme, Inc."},
        {"QuotedTabFields", "\xEF\xBB\xBF\"MIC\"\t\"VQ\"\t\"RKM377\"\t\"1\"\t48.7\t20251231\n31.5\t0.1\n",
         SetupDelimiter::Tab, "VQ"},
    };
    for (const auto& c : cases) {
        const SetupFileResult result = parseSetupText(c.text, c.delimiter);
        ASSERT_TRUE(result.ok) << c.name << ": " << result.message.toStdString();
        EXPECT_EQ(result.data.manufacturer, QString::fromUtf8(c.manufacturer)) << c.name;
        EXPECT_EQ(result.data.serialNumber, QStringLiteral("1")) << c.name;
        EXPECT_FLOAT_EQ(result.data.sensitivity, 48.7f) << c.name;
        ASSERT_EQ(result.data.points.size(), 1u) << c.name;
        EXPECT_DOUBLE_EQ(result.data.points[0].frequency, 31.5) << c.name;
    }
}

TEST(SetupFile, EmptyAndMissingFiles) {
    EXPECT_EQ(parseSetupText("\n\n", SetupDelimiter::Comma).message, QStringLiteral("The setup file was empty."));
    EXPECT_EQ(readSetupFile(QStringLiteral("/nonexistent/mic.csv"), SetupDelimiter::Comma).message,
              QStringLiteral("Unable to open setup file."));
}

// ---- Mapping onto the 39 frequencies ----

TEST(ResponseMapping, ExactInterpolatedAndExtrapolatedValues) {
    const std::vector<ResponsePoint> points{{31.5, 1.0}, {100.0, 2.0}, {1000.0, 0.0}, {10000.0, -2.0}, {19000.0, -4.0}};
    float values[FrequencyCount] = {};
    ASSERT_TRUE(mapResponses(points, 0, values).isEmpty());
    EXPECT_FLOAT_EQ(values[0], 1.0f);                                          // 31.5 exact
    EXPECT_FLOAT_EQ(values[1], static_cast<float>(1.0 + (63 - 31.5) / 68.5));  // 63 between 31.5 and 100
    EXPECT_FLOAT_EQ(values[12], 0.0f);                                         // 1000 exact
    EXPECT_FLOAT_EQ(values[24], static_cast<float>(-2.0 * 7000 / 9000));       // 8000 between 1000 and 10000
    EXPECT_FLOAT_EQ(values[37], -4.0f);                                        // 19000 exact
    EXPECT_FLOAT_EQ(values[38], static_cast<float>(-4.0 - 2.0 * 1000 / 9000)); // 20000 from the last two points
}

TEST(ResponseMapping, TargetsPastTheFileKeepTheirValues) {
    const std::vector<ResponsePoint> points{{31.5, 1.0}, {8000.0, 3.0}};
    float values[FrequencyCount];
    std::fill(std::begin(values), std::end(values), 9.0f);
    ASSERT_TRUE(mapResponses(points, 0, values).isEmpty());
    EXPECT_FLOAT_EQ(values[24], 3.0f);
    EXPECT_FLOAT_EQ(values[25], 9.0f);
    EXPECT_FLOAT_EQ(values[38], 9.0f); // two points are too few to extrapolate from
}

TEST(ResponseMapping, MicrophoneFileStartingAt40HzFails) {
    float values[FrequencyCount] = {};
    EXPECT_EQ(mapResponses({{40.0, 0.0}, {8000.0, 0.0}}, 0, values),
              QStringLiteral("The first frequency in the setup file is higher than the first possible audiometer "
                             "frequency (Line 2)."));
}

TEST(ResponseMapping, MastoidStartsAt250Hz) {
    SetupFileData data;
    data.kind = InstrumentKind::Mastoid;
    data.model = QStringLiteral("rkb800");
    data.points = {{250.0, 40.0}, {8000.0, 30.0}};
    InstrumentEntry pages = emptyInstrumentEntry(InstrumentKind::Mastoid);
    pages.values.mastoid.response2[0] = 5.0f;
    ASSERT_TRUE(applySetupFile(data, 2, pages).isEmpty());
    EXPECT_FLOAT_EQ(pages.values.mastoid.response2[5], 40.0f);
    EXPECT_FLOAT_EQ(pages.values.mastoid.response2[0], 5.0f); // below 250 Hz: untouched
    EXPECT_FLOAT_EQ(pages.values.mastoid.response1[5], 0.0f); // another set: untouched
    EXPECT_EQ(pages.model(), QStringLiteral("RKB800"));       // mastoid models in capitals
}

TEST(ResponseMapping, ResponsesBeyondThirtyTwoBitsAreRefusedByTheirLine) {
    const struct {
        const char* name;
        std::vector<ResponsePoint> points;
        const char* message;
    } cases[] = {
        {"GivenOutright", {{31.5, 1e39}, {20000.0, 0.0}},
         "Internal error.  Unable to import setup from the setup file. (Failed on line 2)."},
        {"InterpolatedBetweenExtremes", {{31.5, -3e38}, {20000.0, 3e38}}, ""},
        {"ExtrapolatedTo20000Hz", {{31.5, 0.0}, {19000.0, 0.0}, {19000.5, 3e38}},
         "Internal error.  Unable to import setup from the setup file. (Failed on line 4)."},
    };
    for (const auto& c : cases) {
        float values[FrequencyCount] = {};
        EXPECT_EQ(mapResponses(c.points, 0, values), QString::fromLatin1(c.message)) << c.name;
        EXPECT_TRUE(std::all_of(std::begin(values), std::end(values), [](float v) { return std::isfinite(v); }))
            << c.name;
    }
}

TEST(ResponseMapping, FailedMappingLeavesThePagesUnchanged) {
    SetupFileData data;
    data.serialNumber = QStringLiteral("NEW");
    data.points = {{40.0, 1.0}, {8000.0, 1.0}};
    InstrumentEntry pages = emptyInstrumentEntry(InstrumentKind::Microphone);
    setFixedText(pages.identity.serialNumber, QStringLiteral("OLD"));
    EXPECT_FALSE(applySetupFile(data, 1, pages).isEmpty());
    EXPECT_EQ(pages.serialNumber(), QStringLiteral("OLD"));
}

} // namespace
