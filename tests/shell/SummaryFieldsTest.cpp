#include "shell/SummaryFields.h"

#include <gtest/gtest.h>

namespace orvik {
namespace {

TEST(SummaryDateTest, YearsAreWidenedAndOldOnesLeaveTheDateAlone) {
    const struct {
        int year;
        const char* stored;
    } cases[] = {{7, "2007-03-09"},    {95, "1995-03-09"}, {89, "2089-03-09"}, {90, "1990-03-09"},
                 {2024, "2024-03-09"}, {1901, "1901-03-09"}, {1900, ""},        {0, "2000-03-09"}};
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

TEST(SummaryStatusTest, CellTexts) {
    EXPECT_EQ(summaryStatusText(1), "Pass");
    EXPECT_EQ(summaryStatusText(-1), "FAIL");
    EXPECT_EQ(summaryStatusText(99), "n/a");
    for (int other : {0, 2, -2, 98, 100})
        EXPECT_EQ(summaryStatusText(other), " - ");
}

} // namespace
} // namespace orvik
