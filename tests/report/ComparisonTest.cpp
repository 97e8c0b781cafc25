// Two tests side by side on the recording canvas: doubled columns that never overlap, the frequency-mismatch
// line, the instrumentation note, and the booth comparison.
#include "report/Comparison.h"
#include "report/RecordingCanvas.h"

#include "FixedRecords.h"

#include <gtest/gtest.h>

namespace orvik {
namespace {

struct Drawn {
    RecordingCanvas canvas;
    int count(const QString& text) const {
        int n = 0;
        for (const RecordingCanvas::Text& t : canvas.texts())
            n += t.text == text ? 1 : 0;
        return n;
    }
    // The first pair of texts on one line where the second starts before the first ends, as "a|b".
    QString overlap() const {
        const QList<RecordingCanvas::Text>& texts = canvas.texts();
        for (qsizetype i = 1; i < texts.size(); ++i) {
            const RecordingCanvas::Text &a = texts[i - 1], &b = texts[i];
            if (a.page == b.page && a.y == b.y && !a.text.isEmpty() && b.x < a.x + canvas.textWidth(a.role, a.text))
                return a.text + u'|' + b.text;
        }
        return {};
    }
};

std::unique_ptr<Drawn> compare(const AudiometerRecord& first, const AudiometerRecord& second) {
    auto drawn = std::make_unique<Drawn>();
    printAudiometerComparison(drawn->canvas, first, second, {"Lab", "", ""}, AudiometerReportOptions::all());
    return drawn;
}

TEST(Comparison, BothTestsValuesStandSideBySideWithoutOverlapping) {
    const auto first = test::fixedRecord();
    auto second = test::fixedRecord();
    std::strcpy(second->setup.testDate, "2025-03-04");
    std::strcpy(second->setup.instruments.soundLevelMeter.manufacturer, "A very long maker name Ltd");
    second->results.tone[0][0][freqIndexOf(4000.0f)].spl = 81.5f;
    const auto drawn = compare(*first, *second);
    EXPECT_EQ(drawn->overlap().toStdString(), "");
    EXPECT_TRUE(drawn->canvas.find("2026-03-02") && drawn->canvas.find("2025-03-04"));
    EXPECT_TRUE(drawn->canvas.find("84.5") && drawn->canvas.find("81.5"));
    EXPECT_EQ(drawn->count(QStringLiteral("There is a mis-match of available frequencies between the two tests.")), 0);
    EXPECT_GT(drawn->canvas.find("81.5")->x, drawn->canvas.find("84.5")->x);
}

TEST(Comparison, TheInstrumentationNoteAndTheMismatchLineAppearOnlyWhenTheTestsDiffer) {
    const QString note = QStringLiteral("NOTE: Instrumentation is not the same for both tests.");
    const QString mismatch = QStringLiteral("There is a mis-match of available frequencies between the two tests.");
    struct Case {
        const char* what;
        void (*change)(AudiometerRecord&);
        int notes;
        int mismatches; // one per table of the hearing-level and frequency sections: two ears each
    };
    const Case cases[] = {
        {"identical", [](AudiometerRecord&) {}, 0, 0},
        {"meter due later",
         [](AudiometerRecord& r) { std::strcpy(r.setup.instruments.soundLevelMeter.dueDate, "2028-01-31"); }, 1, 0},
        {"2000 Hz added", [](AudiometerRecord& r) { r.setup.frequencySelected[freqIndexOf(2000.0f)] = 1; }, 0, 4},
    };
    const auto first = test::fixedRecord();
    for (const Case& c : cases) {
        auto second = test::fixedRecord();
        c.change(*second);
        const auto drawn = compare(*first, *second);
        EXPECT_EQ(drawn->count(note), c.notes) << c.what;
        EXPECT_EQ(drawn->count(mismatch), c.mismatches) << c.what;
        EXPECT_EQ(drawn->count(QStringLiteral("80.0")) > 0, c.mismatches == 0) << c.what;
    }
}

TEST(Comparison, ABoothComparisonPrintsTheCurrentBoothsAnsiTableOnly) {
    RecordingCanvas canvas;
    printBoothComparison(canvas, test::fixedBooth(), {"Lab", "", ""}, BoothReportOptions{2, true, true});
    EXPECT_TRUE(canvas.find("Room 2") && canvas.find("125 to 8000 Hz") && canvas.find("Uncovered"));
    EXPECT_FALSE(canvas.find("OSHA"));
    EXPECT_FALSE(canvas.find("Test 2"));
}

} // namespace
} // namespace orvik
