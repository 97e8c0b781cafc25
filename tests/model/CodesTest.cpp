#include "model/Coupler.h"
#include "model/FrequencyTable.h"

#include <gtest/gtest.h>

namespace orvik {
namespace {

struct FrequencyRow {
    FreqIndex index;
    float hz;
    const char* label;
    const char* key;
};

// The key names from 14 to 23 belong to a neighbouring frequency; stored settings depend on exactly these.
TEST(FrequencyTable, LabelsAndKeyNamesFollowTheIndex) {
    const FrequencyRow rows[] = {
        {0, 31.5f, "31.5", "RFREQ_31.5"},    {1, 63.f, "  63", "RFREQ_63"},       {12, 1000.f, "1000", "RFREQ_1K"},
        {13, 1250.f, "1250", "RFREQ_1250"},  {14, 1500.f, "1500", "RFREQ_1600"},  {15, 1600.f, "1600", "RFREQ_2K"},
        {23, 6300.f, "6300", "RFREQ_7500"},  {24, 8000.f, "8000", "RFREQ_8K"},    {25, 9000.f, "9000", "RFREQ_9K"},
        {26, 10000.f, "10000", "RFREQ_10K"}, {31, 13000.f, "13000", "RFREQ_13k"}, {34, 16000.f, "16000", "RFREQ_16K"},
        {38, 20000.f, "20000", "RFREQ_20K"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.index);
        EXPECT_EQ(frequencyHz(row.index), row.hz);
        EXPECT_EQ(frequencyLabel(row.index), QLatin1String(row.label));
        EXPECT_EQ(frequencyKeyName(row.index), QLatin1String(row.key));
    }
    for (FreqIndex i = 0; i < FrequencyCount; ++i)
        EXPECT_FALSE(frequencyKeyName(i).contains(QLatin1String("1500"))) << i;
    EXPECT_TRUE(frequencyLabel(-1).isEmpty());
    EXPECT_TRUE(frequencyKeyName(FrequencyCount).isEmpty());
}

TEST(FrequencyTable, DefaultSelectionAddsTheElevenAndKeepsOtherTicks) {
    qint32 selected[FrequencyCount] = {};
    selected[3] = 1; // 160 Hz, chosen by the technician
    selectDefaultFrequencies(selected);
    int ticked = 0;
    for (const qint32 flag : selected)
        ticked += flag != 0;
    EXPECT_EQ(ticked, 12);
    EXPECT_EQ(selected[3], 1);
    for (const float hz : {125.f, 250.f, 500.f, 750.f, 1000.f, 1500.f, 2000.f, 3000.f, 4000.f, 6000.f, 8000.f})
        EXPECT_EQ(selected[freqIndexOf(hz)], 1) << hz;
}

TEST(Coupler, DisplayNamesAndStandardTexts) {
    const struct {
        quint16 code;
        const char* name;
        const char* standard;
    } rows[] = {
        {0, "None", "318.3"},   {1, "RKC311", "318-1"}, {2, "RKC310", "318.3"},
        {3, "RKC314", "318.3"}, {4, "RKC312", "318.3"}, {5, "RKC313", "318.3"},
        {6, "RKC420", "318-1"}, {7, "None", "318.3"},   {0xffff, "None", "318.3"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.code);
        EXPECT_EQ(couplerDisplayName(row.code), QLatin1String(row.name));
        EXPECT_EQ(couplerStandardText(row.code), QLatin1String(row.standard));
    }
    EXPECT_EQ(couplerNameByIndex(1), QLatin1String("IEC 318"));
    EXPECT_EQ(couplerNameByIndex(2), QLatin1String("NBS 9A"));
}

} // namespace
} // namespace orvik
