// Layout decisions of the audiometer and booth reports, drawn on the recording canvas.
#include "report/AudiometerReport.h"
#include "report/BoothReport.h"
#include "report/RecordingCanvas.h"
#include "report/ReportPrinter.h"

#include "model/FrequencyTable.h"

#include <QRegularExpression>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

namespace orvik {
namespace {

FreqIndex indexOf(double hz) {
    for (FreqIndex i = 0; i < FrequencyCount; ++i)
        if (frequencyHz(i) == hz)
            return i;
    return -1;
}

// A supra-aural hearing-level page of both ears at 1000 and 4000 Hz; one point deviates by `leftDeviation`.
std::unique_ptr<AudiometerRecord> measuredRecord(double leftDeviation = 0.0) {
    auto record = std::make_unique<AudiometerRecord>();
    std::memset(record.get(), 0, sizeof *record);
    TestSetup& s = record->setup;
    std::strcpy(s.audManufacturer, "Acme");
    std::strcpy(s.instruments.soundLevelMeter.serialNumber, "SLM-1");
    std::strcpy(s.instruments.preamp.manufacturer, "No serial");
    s.supraAural.standard = 1;
    s.insert.standard = 1;
    s.circumaural.standard = 1;
    for (FreqIndex i = 0; i < FrequencyCount; ++i)
        s.supraAural.retspl[i] = 10.0f;
    for (const double hz : {1000.0, 4000.0}) {
        const FreqIndex i = indexOf(hz);
        s.frequencySelected[i] = 1;
        for (int ear = 0; ear < EarCount; ++ear) {
            ToneEntry& entry = record->results.tone[0][ear][i];
            entry.dialHl = 70;
            entry.spl = float(80.0 + (ear == 0 && hz == 4000.0 ? leftDeviation : 0.0));
        }
    }
    record->header.testStatus[int(TestNumber::HearingLevel)][0] = qint16(TestStatus::Pass);
    return record;
}

// The face a text was drawn in; nullopt when it was not drawn at all.
std::optional<FontRole> roleOf(const RecordingCanvas& canvas, const char* text) {
    const RecordingCanvas::Text* drawn = canvas.find(QLatin1String(text));
    return drawn ? std::optional<FontRole>(drawn->role) : std::nullopt;
}

struct Printed {
    RecordingCanvas canvas;
    int pages = 0;
};

std::unique_ptr<Printed> print(const AudiometerRecord& record, const AudiometerReportOptions& options,
                               QSize page = {2550, 3300}) {
    auto printed = std::make_unique<Printed>();
    printed->canvas = RecordingCanvas(page);
    printed->pages = printAudiometerReport(printed->canvas, record, {"Lab", "Street", "Town"}, options);
    return printed;
}

TEST(ReportBuilder, PagesFollowTheLinesAndABreakFillsOnlyAStartedPage) {
    struct Case {
        int lines;
        bool breakAfter;
        int pages;
        qsizetype stored;
    };
    const Case cases[] = {{0, false, 1, 0}, {10, false, 1, 10}, {11, false, 2, 11}, {20, false, 2, 20},
                          {0, true, 1, 0},  {10, true, 1, 10},  {3, true, 1, 10}};
    for (const Case& c : cases) {
        ReportBuilder report(10);
        for (int i = 0; i < c.lines; ++i)
            report.addEmpty();
        if (c.breakAfter)
            report.pageBreak();
        EXPECT_EQ(report.pageCount(), c.pages) << c.lines << " lines, break " << c.breakAfter;
        EXPECT_EQ(report.lines().size(), c.stored) << c.lines << " lines, break " << c.breakAfter;
        EXPECT_EQ(report.linesLeftOnPage(), 10 - int(c.stored % 10));
    }
}

TEST(ReportPrinter, CellsSitByTheirColumnRule) {
    RecordingCanvas canvas;
    canvas.setFonts(reportFonts());
    const PageMetrics m = reportMetrics(canvas);
    const int cw = m.charWidth;
    ReportLine line;
    line.add(4, "abc").add(AfterPrevious, "de").add(RightAligned, "xyz").addCentred("mid");
    const int next = drawReportLine(canvas, m, line, 100);
    const int abcEnd = m.leftMargin + 4 * cw + canvas.textWidth(FontRole::Normal, "abc");
    const std::pair<const char*, int> expected[] = {
        {"abc", m.leftMargin + 4 * cw},
        {"de", abcEnd + cw},
        {"xyz", m.pageWidth - m.leftMargin - canvas.textWidth(FontRole::Normal, "xyz")},
        {"mid", m.pageWidth / 2 - canvas.textWidth(FontRole::Normal, "mid") / 2}};
    for (const auto& [text, x] : expected)
        EXPECT_EQ(canvas.find(text)->x, x) << text;
    EXPECT_EQ(next, 100 + m.lineHeight);
    EXPECT_EQ(drawReportLine(canvas, m, ReportLine{}.addCentred("Title", true), 0), m.lineHeight * 3 / 2);
}

TEST(AudiometerReport, AFailingPointIsBoldAndAPassingOneIsNot) {
    const auto printed = print(*measuredRecord(4.5), AudiometerReportOptions::all());
    EXPECT_EQ(roleOf(printed->canvas, "4.5"), FontRole::Bold);
    EXPECT_EQ(roleOf(printed->canvas, "0.0"), FontRole::Normal);
    EXPECT_EQ(roleOf(printed->canvas, "84.5"), FontRole::Bold); // the measured level of that point
    EXPECT_TRUE(printed->canvas.find("Left Earphone") && printed->canvas.find("Right Earphone"));
}

// The pulse and cross-talk sections print their pages' lists: a rise time of 55.0 ms fails in bold, the passing
// fall time does not, and a cross talk of 60.0 dB fails; the sections only come with a verdict in the record.
TEST(AudiometerReport, PulseAndCrossTalkSectionsPrintTheirListsWithFailuresBold) {
    auto record = measuredRecord();
    PulseBlock& pulse = record->results.pulse[0];
    pulse = {.riseTime = 55.0f, .fallTime = 30.0f, .onTime = 225.0f, .offTime = 225.0f, .plateau = 195.0f};
    pulse.level2 = 90.0f;
    CrossTalkBlock& crossTalk = record->results.crossTalk[0];
    crossTalk = {.testFrequency = 1000.0f, .leftToneOn = 110.0f, .rightToneOn = 110.0f};
    crossTalk.leftWithRightOn = 50.0f;
    crossTalk.rightWithLeftOn = 30.0f;
    for (const bool judged : {false, true}) {
        record->header.testStatus[int(TestNumber::Pulse)][0] = qint16(judged ? TestStatus::Fail : TestStatus::NotJudged);
        record->header.testStatus[int(TestNumber::CrossTalk)][0] =
            qint16(judged ? TestStatus::Fail : TestStatus::NotJudged);
        const auto printed = print(*record, AudiometerReportOptions::all());
        EXPECT_EQ(printed->canvas.find("Pulse Test") != nullptr, judged);
        EXPECT_EQ(printed->canvas.find("Cross Talk Test") != nullptr, judged);
        if (!judged)
            continue;
        EXPECT_EQ(roleOf(printed->canvas, "55.0"), FontRole::Bold);
        EXPECT_EQ(roleOf(printed->canvas, "30.0"), FontRole::Normal);
        EXPECT_EQ(roleOf(printed->canvas, "60.0"), FontRole::Bold);
        EXPECT_TRUE(printed->canvas.find("Test frequency: 1000 Hz"));
    }
}

TEST(AudiometerReport, RetsplMarksAndNoteFollowTheOptionAndTheStandardFlag) {
    struct Case {
        bool option;
        quint8 standard;
        bool marked;
    };
    for (const Case c : {Case{true, 1, false}, Case{true, 0, true}, Case{false, 0, false}}) {
        auto record = measuredRecord();
        record->setup.insert.standard = c.standard;
        AudiometerReportOptions options = AudiometerReportOptions::all();
        options.retsplMessage = c.option;
        const auto printed = print(*record, options);
        EXPECT_EQ(printed->canvas.find("Insert*") != nullptr, c.marked) << c.option << int(c.standard);
        EXPECT_EQ(printed->canvas.find("* Includes non-standard RETSPL") != nullptr, c.marked);
        EXPECT_TRUE(printed->canvas.find("Supra-aural") != nullptr);
    }
}

TEST(AudiometerReport, InstrumentsWithoutSerialAreLeftOut) {
    const auto printed = print(*measuredRecord(), AudiometerReportOptions::all());
    EXPECT_TRUE(printed->canvas.find("Sound Level Meter"));
    EXPECT_FALSE(printed->canvas.find("Preamp"));
    EXPECT_FALSE(printed->canvas.find("No serial"));
}

TEST(AudiometerReport, WithNoTestChosenOnlyTheFixedPartsArePrinted) {
    const auto printed = print(*measuredRecord(), AudiometerReportOptions{{}, true});
    const RecordingCanvas& canvas = printed->canvas;
    EXPECT_TRUE(canvas.find("Lab") && canvas.find("Calibration Date:") && canvas.find("Test Name"));
    EXPECT_TRUE(canvas.find("Notes & Comments") && canvas.find("P- pass  F-fail  NA- Not Applicable"));
    EXPECT_FALSE(canvas.find("Hearing Level"));      // no summary row
    EXPECT_FALSE(canvas.find("Hearing Level Test")); // no section
    EXPECT_EQ(printed->pages, canvas.pagesDrawn());
}

// Whatever the page height, a section starts on a fresh page unless it fits in what is left of the current
// one; one longer than a page just starts on a fresh page and runs on.
TEST(AudiometerReport, ASectionThatDoesNotFitStartsOnTheNextPage) {
    auto record = measuredRecord();
    for (int t : {0, 3, 4}) {
        record->header.testStatus[int(TestNumber::HearingLevel)][t] = qint16(TestStatus::Pass);
        record->header.testStatus[int(TestNumber::FrequencyAccuracy)][t] = qint16(TestStatus::Pass);
        for (FreqIndex i = 0; i < FrequencyCount; ++i) {
            record->setup.frequencySelected[i] = 1;
            for (int ear = 0; ear < EarCount; ++ear) {
                record->results.tone[t][ear][i] = {frequencyHz(i), 80.0f, 70};
            }
        }
    }
    for (const int height : {1500, 2200, 3300, 4400}) {
        RecordingCanvas canvas({2550, height});
        canvas.setFonts(reportFonts());
        ReportBuilder report(reportLinesPerPage(reportMetrics(canvas)));
        buildAudiometerReport(report, *record, {}, AudiometerReportOptions::all());
        const QList<ReportLine>& lines = report.lines();
        const int perPage = report.linesPerPage();
        int sections = 0;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (!lines[i].endsInTitle() || !lines[i].cells.first().text.endsWith(QLatin1String("Test")))
                continue;
            ++sections;
            qsizetype end = i + 1;
            while (end < lines.size() && !lines[end].endsInTitle() &&
                   !(lines[end].cells.value(0).text == QLatin1String("Listening and Visual Check")))
                ++end;
            const qsizetype length = end - i;
            const qsizetype at = i % perPage;
            EXPECT_TRUE(at == 0 || at + length <= perPage) << "height " << height << " line " << i;
        }
        EXPECT_EQ(sections, 6) << height;
    }
}

TEST(BoothReport, UnmeasuredBandsShowDashesAndFailuresAreBold) {
    AmbientRecord record = clearedAmbientRecord();
    std::strcpy(record.measurementDate, "2024-05-01");
    for (int band = 0; band < AmbientBandCount; ++band)
        record.spectrum[band] = 5.0f;
    record.spectrum[10] = -50.0f;  // 125 Hz
    record.spectrum[19] = 30.3f;  // 1000 Hz: above 21.0 covered, 8.0 not covered
    RecordingCanvas canvas;
    printBoothReport(canvas, record, {}, BoothReportOptions{});
    EXPECT_TRUE(canvas.find("----"));
    EXPECT_EQ(roleOf(canvas, "30.3"), FontRole::Bold);
    EXPECT_EQ(roleOf(canvas, "21.0"), FontRole::Bold);
    EXPECT_EQ(roleOf(canvas, "5.0"), FontRole::Normal);
    EXPECT_EQ(roleOf(canvas, "16.0"), FontRole::Normal); // 500 Hz covered limit, level below it

    RecordingCanvas quiet;
    printBoothReport(quiet, record, {}, BoothReportOptions{2, false, true});
    EXPECT_EQ(roleOf(quiet, "30.3"), FontRole::Normal);
}

} // namespace
} // namespace orvik
