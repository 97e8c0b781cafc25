#include "EarphoneSlot.h"
#include "model/DefaultRetspl.h"
#include "model/FixedText.h"
#include "model/FrequencyTable.h"

#include <gtest/gtest.h>

namespace orvik {
namespace {

using test::blankEarphone;

struct DefaultCase {
    const char* name;
    quint16 kind;
    quint16 coupler;
    const char* model;
    bool alternate;
    float hz;
    float expected;
};

TEST(DefaultRetspl, ValuesByKindCouplerAndModel) {
    const DefaultCase cases[] = {
        {"supra-aural on IEC 60318-1 gets table G", 0, 1, "TDH 39", false, 125, 45.0f},
        {"table G at 250 Hz", 0, 1, "TDH 39", false, 250, 27.0f},
        {"table G on coupler 6 too", 0, 6, "TDH 39", false, 6300, 21.0f},
        {"table G has nothing above 8000 Hz", 0, 1, "HDA200", false, 9000, 0.f},
        {"TDH 39 on NBS 9A", 0, 2, "TDH 39", false, 250, 25.5f},
        {"TDH 39 short form at 750 Hz", 0, 2, "TDH 39", false, 750, 8.0f},
        {"TDH 39 third-octave form at 750 Hz", 0, 2, "TDH 39", true, 750, 7.5f},
        {"TDH 39 short form has no 160 Hz", 0, 2, "TDH 39", false, 160, 0.f},
        {"TDH 39 third-octave form has 160 Hz", 0, 2, "TDH 39", true, 160, 37.5f},
        {"model wins over an insert coupler", 1, 3, "TDH 39", false, 1000, 7.0f},
        {"HDA 280 with its blank at 5000 Hz", 0, 2, "HDA 280 ", false, 5000, 19.0f},
        {"HDA 280 has no 6000 Hz", 0, 2, "HDA 280 ", false, 6000, 0.f},
        {"HDA 280 at 12500 Hz", 0, 2, "HDA 280 ", false, 12500, 30.0f},
        {"HDA 280 without blank is unknown", 0, 2, "HDA 280", false, 250, 0.f},
        {"HDA 280 without blank on RKC314 gets I3", 1, 3, "HDA 280", false, 125, 28.0f},
        {"insert on RKC314", 1, 3, "ER-3A", false, 8000, 15.5f},
        {"insert on HA-1", 1, 4, "3A", false, 6000, -2.5f},
        {"insert on HA-1 at 125 Hz", 1, 4, "3A", false, 125, 26.5f},
        {"insert on HA-2", 1, 5, "5A", false, 125, 26.0f},
        {"insert coupler tables stop at 8000 Hz", 1, 5, "5A", false, 9000, 0.f},
        {"HV/1A at 1000 Hz", 2, 1, "HV/1A", false, 1000, 16.0f},
        {"HV/1A has no 2000 Hz", 2, 1, "HV/1A", false, 2000, 0.f},
        {"HV/1A at 16000 Hz", 2, 1, "HV/1A", false, 16000, 51.0f},
        {"HDA200 at 16000 Hz", 2, 1, "HDA200", false, 16000, 56.0f},
        {"DD45 318-1 on coupler 6 is table G", 0, 6, "DD45 318-1", false, 125, 45.0f},
        {"DD45 318-1 elsewhere keeps its own", 0, 2, "DD45 318-1", false, 125, 45.5f},
        {"model text is case-sensitive", 0, 2, "tdh 39", false, 250, 0.f},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EarphoneBlock block = blankEarphone(c.kind, c.coupler, c.model);
        block.retspl[0] = 99.f; // every path starts from zero
        defaultRetspl(block, c.alternate);
        EXPECT_EQ(block.retspl[freqIndexOf(c.hz)], c.expected);
        EXPECT_EQ(block.retspl[0], 0.f);
        EXPECT_EQ(block.standard, 1);
    }
}

TEST(EnsureRetspl, LeavesOwnValuesUnlessForced) {
    EarphoneBlock block = blankEarphone(1, 3, "ER-3A");
    block.retspl[12] = 1.25f;
    EXPECT_TRUE(ensureRetspl(block, false, false));
    EXPECT_EQ(block.retspl[12], 1.25f);
    EXPECT_EQ(block.retspl[2], 0.f);

    EXPECT_TRUE(ensureRetspl(block, true, false)); // a coupler change reloads the defaults
    EXPECT_EQ(block.retspl[12], 5.5f);

    EarphoneBlock empty = blankEarphone(1, 5, "5A");
    EXPECT_FALSE(ensureRetspl(empty, false, false));
    EXPECT_EQ(empty.retspl[2], 26.0f);
}

TEST(DefaultEarphoneList, TwelveStandardEntriesInOrder) {
    const auto list = defaultEarphoneList(false);
    const struct {
        const char* manufacturer;
        const char* model;
        quint16 kind;
        quint16 coupler;
        float at125;
    } expected[] = {
        {"Telephonics", "TDH 39", 0, 2, 45.0f},
        {"Telephonics", "TDH 50/49", 0, 2, 47.5f},
        {"Sennheiser", "HDA 280 ", 0, 2, 38.5f},
        {"Interacoustics", "DD45 318-3", 0, 2, 47.5f},
        {"Interacoustics", "DD45 318-1", 0, 6, 45.5f},
        {"Holmberg", "HOLMBERG 8103", 0, 2, 39.5f},
        {"Beyer Dynamic", "DT-48", 0, 2, 47.5f},
        {"Etymotic", "ER-3A", 1, 3, 0.f},
        {"EARtone", "3A", 1, 5, 0.f},
        {"EARtone", "5A", 1, 5, 0.f},
        {"Sennheiser", "HDA200", 2, 1, 30.5f},
        {"Koss", "HV/1A", 2, 1, 0.f},
    };
    ASSERT_EQ(list.size(), std::size(expected));
    for (std::size_t i = 0; i < list.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(fixedText(list[i].manufacturer), QLatin1String(expected[i].manufacturer));
        EXPECT_EQ(fixedText(list[i].model), QLatin1String(expected[i].model));
        EXPECT_EQ(list[i].kind, expected[i].kind);
        EXPECT_EQ(list[i].coupler, expected[i].coupler);
        EXPECT_EQ(list[i].retspl[2], expected[i].at125);
        EXPECT_EQ(list[i].standard, 1);
    }
    EXPECT_EQ(defaultEarphoneList(true)[0].retspl[freqIndexOf(160)], 37.5f);

    // An insert gets its RETSPL only when chosen, from its coupler.
    EarphoneBlock insert = list[7];
    EXPECT_FALSE(ensureRetspl(insert, false, false));
    EXPECT_EQ(insert.retspl[2], 28.0f);
}

} // namespace
} // namespace orvik
