#include "model/AudiometerPageFields.h"

#include <gtest/gtest.h>

namespace orvik {
namespace {

namespace APF = AudiometerPageFields;

TEST(AudiometerPageFields, DatesRoundTripAndEmptyShowsJanuary) {
    const APF::DateFields fields = APF::dateFields(QStringLiteral("2027-11-05"));
    EXPECT_EQ(fields.year, QLatin1String("2027"));
    EXPECT_EQ(fields.monthIndex, 10);
    EXPECT_EQ(fields.day, QLatin1String("05"));
    EXPECT_EQ(APF::storedDate(2027, 10, 5), QLatin1String("2027-11-05"));
    EXPECT_EQ(APF::storedDate(2027, 0, 31), QLatin1String("2027-01-31"));

    for (const char* unreadable : {"", "2027", "2027-13-01", "garbage-x-y"}) {
        SCOPED_TRACE(unreadable);
        const APF::DateFields empty = APF::dateFields(QString::fromLatin1(unreadable));
        EXPECT_EQ(empty.monthIndex, 0);
    }
    EXPECT_TRUE(APF::dateFields(QString()).year.isEmpty());
}

TEST(AudiometerPageFields, TypeAndCountsAreStoredOneBased) {
    const struct {
        const char* stored;
        int position;
    } types[] = {{"1", 0}, {"3", 2}, {"5", 4}, {"0", 0}, {"6", 0}, {"", 0}, {"x", 0}};
    for (const auto& t : types)
        EXPECT_EQ(APF::typeListPosition(QString::fromLatin1(t.stored)), t.position) << t.stored;
    EXPECT_EQ(APF::storedType(0), QLatin1String("1"));
    EXPECT_EQ(APF::storedType(4), QLatin1String("5"));

    for (int position = 0; position < 4; ++position) {
        EXPECT_EQ(APF::storedCount(position), position + 1);
        EXPECT_EQ(APF::countListPosition(APF::storedCount(position)), position);
    }
    EXPECT_EQ(APF::countListPosition(0), 0); // a new record
    EXPECT_EQ(APF::countListPosition(9), 0);
}

} // namespace
} // namespace orvik
