#include "shell/SummaryFields.h"

#include <gtest/gtest.h>

namespace orvik {
namespace {

TEST(SummaryDateTest, YearsAreWidenedAndOldOnesLeaveTheDateAlone) {
    const struct {
        int year;
        const char* stored;
    } cases[] = {{7, "2007-03-09"},    {95, "1995-03-09"},   {89, "2089-03-09"}, {90, "1990-03-09"},
                 {2024, "2024-03-09"}, {1901, "1901-03-09"}, {1900, ""},         {0, "2000-03-09"}};
    for (const auto& c : cases) {
        const SummaryDate date{c.year, 2, 9};
        EXPECT_EQ(date.toStored(), QString::fromLatin1(c.stored)) << c.year;
    }
}

TEST(SummaryDateTest, DaysOutsideTheCalendarAreNeverStored) {
    const struct {
        int year;
        int monthIndex;
        int day;
        const char* stored;
    } cases[] = {{2024, 1, 30, ""},         {2023, 1, 29, ""},  {2024, 1, 29, "2024-02-29"},
                 {24, 1, 29, "2024-02-29"}, {2024, 3, 31, ""},  {2024, 2, 31, "2024-03-31"},
                 {2024, 11, 0, ""},         {2024, 11, 32, ""}, {2000, 1, 29, "2000-02-29"}};
    for (const auto& c : cases) {
        const SummaryDate date{c.year, c.monthIndex, c.day};
        EXPECT_EQ(date.isCalendarDate(), *c.stored != '\0') << c.year << '/' << c.monthIndex << '/' << c.day;
        EXPECT_EQ(date.toStored(), QString::fromLatin1(c.stored)) << c.year << '/' << c.monthIndex << '/' << c.day;
    }
}

TEST(SummaryDateTest, RefusalNamesTheTypedDateAndTheKeptOne) {
    EXPECT_EQ((SummaryDate{24, 1, 30}.refusal(QStringLiteral("2024-03-05"))),
              QStringLiteral("There is no Feb 30, 2024: the test date stays 2024-03-05."));
    EXPECT_EQ((SummaryDate{2024, 3, 31}.refusal(QString())),
              QStringLiteral("There is no Apr 31, 2024: the test date stays empty."));
}

TEST(SummaryDateTest, ReadsStoredDatesAndToleratesGarbage) {
    const SummaryDate date = SummaryDate::fromStored(QStringLiteral("2026-12-05"));
    EXPECT_EQ(date.year, 2026);
    EXPECT_EQ(date.monthIndex, 11);
    EXPECT_EQ(date.day, 5);
    for (const char* bad : {"", "2026", "x-y-z", "2026-45-77"}) {
        const SummaryDate d = SummaryDate::fromStored(QString::fromLatin1(bad));
        EXPECT_TRUE(d.monthIndex >= 0 && d.monthIndex <= 11) << bad;
        EXPECT_TRUE(d.day >= 1 && d.day <= 31) << bad;
    }
}

// A transducer the set-up does not use reads "n/a" rather than " - " (not measured yet), unless it was judged.
TEST(SummaryStatusTest, CellTexts) {
    const struct {
        int status;
        bool inUse;
        const char* text;
    } cases[] = {{1, true, "Pass"}, {-1, true, "FAIL"}, {99, true, "n/a"},   {0, true, " - "},
                 {2, true, " - "},  {-2, true, " - "},  {98, true, " - "},   {100, true, " - "},
                 {0, false, "n/a"}, {1, false, "Pass"}, {-1, false, "FAIL"}, {99, false, "n/a"}};
    for (const auto& c : cases)
        EXPECT_EQ(summaryStatusText(c.status, c.inUse), c.text) << c.status << " " << c.inUse;
}

} // namespace
} // namespace orvik
