// The linearity, distortion, broad band, speech, bone and speaker sections on the recording canvas: what each
// prints, which values are bold, and how two tests' linearity readings are told apart side by side.
#include "report/AudiometerReport.h"
#include "report/Comparison.h"
#include "report/RecordingCanvas.h"

#include "FixedRecords.h"

#include <gtest/gtest.h>
#include <optional>

namespace orvik {
namespace {

const ReportHeading Lab{"Lab", "", ""};

struct Drawn {
    RecordingCanvas canvas;
    // The first text that runs past the right margin of three quarters of an inch; empty when none does.
    QString pastTheMargin() const {
        const int rightEdge = canvas.pageSize().width() - canvas.dotsPerInch().width() * 3 / 4;
        for (const RecordingCanvas::Text& t : canvas.texts())
            if (t.x + canvas.textWidth(t.role, t.text) > rightEdge)
                return t.text;
        return {};
    }
    int count(const QString& text) const {
        int n = 0;
        for (const RecordingCanvas::Text& t : canvas.texts())
            n += t.text == text ? 1 : 0;
        return n;
    }
    // The face of the first text `text` drawn after the first `after`; nullopt when there is none.
    std::optional<FontRole> roleAfter(const QString& after, const QString& text) const {
        bool seen = false;
        for (const RecordingCanvas::Text& t : canvas.texts()) {
            seen = seen || t.text == after;
            if (seen && t.text == text)
                return t.role;
        }
        return std::nullopt;
    }
};

TEST(Sections, EachTestPrintsItsPagesListWithFailingValuesBold) {
    Drawn drawn;
    printAudiometerReport(drawn.canvas, *test::sectionsRecord(), Lab, AudiometerReportOptions::all());
    struct Case {
        const char* section; // the heading the value follows
        const char* text;
        std::optional<FontRole> role;
    };
    const Case cases[] = {
        {"Linearity Test", "Linearity Test", FontRole::Title},
        {"Linearity Test", "Test frequency: 1000.0 Hz", FontRole::Normal},
        {"Linearity Test", "Test step: 10 dB", FontRole::Normal},
        {"Linearity Test", "11.5", FontRole::Bold}, // the measured step of the failing row
        {"Linearity Test", "41.50", FontRole::Bold},
        {"Linearity Test", "51.50", FontRole::Normal},
        {"Linearity Test", "NF = 12.3 dB", FontRole::Normal},
        {"Linearity Test", "Noise Floor (5.00) too low.", FontRole::Normal},
        {"Distortion Test", "Distortion Test", FontRole::Title},
        {"Distortion Test", "Meas Freq.", FontRole::Bold},
        {"Distortion Test", "60.0", FontRole::Bold}, // the 2nd harmonic at 4000 Hz
        {"Distortion Test", "50.0", FontRole::Normal},
        {"Distortion Test", "3.2", FontRole::Bold},
        {"Broad Band Noise Test", "Broad Band Noise Test", FontRole::Title},
        {"Broad Band Noise Test", "-6.0", FontRole::Bold},
        {"Broad Band Noise Test", "Failed", FontRole::Bold},
        {"Broad Band Noise Test", "86.1", FontRole::Normal},
        {"Speech Levels Test", "Speech Levels Test", FontRole::Title},
        {"Speech Levels Test", "6.0", FontRole::Bold},
        {"Speech Levels Test", "69.0", FontRole::Bold},
        {"Speech Levels Test", "72.5", FontRole::Normal},
        {"Bone Vibrator", "FL", FontRole::Bold},
        {"Bone Vibrator", "7.5", FontRole::Bold},
        {"Speakers", "Binaural", FontRole::Bold},
    };
    for (const Case& c : cases)
        EXPECT_EQ(drawn.roleAfter(QLatin1String(c.section), QLatin1String(c.text)), c.role) << c.text;
    // The right ear's linearity has no values to show, so no heads either; the other two sides of the speakers
    // were not measured and have no table.
    EXPECT_EQ(drawn.count(QStringLiteral("Dial")), 1);
    EXPECT_EQ(drawn.count(QStringLiteral("Left Speaker")), 0);
    // The widest table (distortion: nine columns) stays inside the margins.
    EXPECT_EQ(drawn.pastTheMargin().toStdString(), "");
}

// Doubled, the distortion table and the instruments (with the fixed record's manufacturer) are wider than the
// page: their later columns go on in a table below, which repeats the frequencies, and both tests' values still
// stand side by side.
TEST(Sections, AComparedTableWiderThanThePageGoesOnBelow) {
    auto second = test::sectionsRecord();
    second->results.distortion[0][0][freqIndexOf(4000.0f)].harmonic[0] = 55.0f;
    Drawn drawn;
    AudiometerReportOptions distortion;
    distortion.tests = {TestNumber::HarmonicDistortion};
    printAudiometerComparison(drawn.canvas, *test::sectionsRecord(), *second, Lab, distortion);
    EXPECT_EQ(drawn.pastTheMargin().toStdString(), "");
    EXPECT_EQ(drawn.count(QStringLiteral("Frequency")), 2);
    EXPECT_EQ(drawn.count(QStringLiteral("Max THD")), 1);
    EXPECT_EQ(drawn.count(QStringLiteral("Instrumentation")), 2);
    const RecordingCanvas::Text *first = drawn.canvas.find("60.0"), *other = drawn.canvas.find("55.0");
    ASSERT_TRUE(first && other);
    EXPECT_EQ(first->y, other->y);
    EXPECT_LT(first->x, other->x);
}

// Two tests whose linearity noise floors are each too low on one ear: each test's own sentence names it, and an
// ear whose values only one test can show gets the mismatch line in place of its rows.
TEST(Sections, TheComparisonNamesTheTestOfEachNoiseFloorSentence) {
    const QString mismatch = QStringLiteral("There is a mis-match of available frequencies between the two tests.");
    struct Case {
        const char* what;
        void (*change)(AudiometerRecord&);
        QStringList printed;
        int mismatches;
    };
    const Case cases[] = {
        {"same",
         [](AudiometerRecord&) {},
         {"Test 1 NF = 12.3 dB", "Test 2 NF = 12.3 dB", "Noise Floor Test 2(5.00) too low."},
         0},
        {"left too low in test 2",
         [](AudiometerRecord& r) { r.results.linearity[0][0].noiseFloor = 8.25f; },
         {"Test 1 NF = 12.3 dB", "Noise Floor Test 2(8.25) too low."},
         1},
        {"another dial step", [](AudiometerRecord& r) { r.results.linearity[0][0].dialStep = 5; }, {}, 1},
    };
    const auto first = test::sectionsRecord();
    for (const Case& c : cases) {
        auto second = test::sectionsRecord();
        c.change(*second);
        Drawn drawn;
        AudiometerReportOptions linearity;
        linearity.tests = {TestNumber::Linearity};
        printAudiometerComparison(drawn.canvas, *first, *second, Lab, linearity);
        for (const QString& text : c.printed)
            EXPECT_EQ(drawn.count(text), 1) << c.what << ": " << text.toStdString();
        EXPECT_EQ(drawn.count(mismatch), c.mismatches) << c.what;
        EXPECT_EQ(drawn.count(QStringLiteral("Noise Floor Test 1(5.00) too low.")), 1) << c.what;
    }
}

} // namespace
} // namespace orvik
