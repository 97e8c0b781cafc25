#include "EarphoneSlot.h"
#include "model/ReferenceLevel.h"
#include "model/DefaultRetspl.h"
#include "model/FixedText.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <memory>

namespace orvik {
namespace {

// A set-up with TDH 39 on NBS 9A, an insert on RKC314 and HV/1A circumaurals, all with their defaults.
std::unique_ptr<TestSetup> standardSetup() {
    auto setup = std::make_unique<TestSetup>();
    std::memset(setup.get(), 0, sizeof(TestSetup));
    setup->supraAural = test::defaultEarphone(0, 2, "TDH 39");
    setup->insert = test::defaultEarphone(1, 3, "ER-3A");
    setup->circumaural = test::defaultEarphone(2, 1, "HV/1A");
    return setup;
}

struct LevelCase {
    const char* name;
    ReferenceQuery query;
    float expected;
    bool missing;
};

TEST(GetReferenceLevel, ValuesAndMissingReferences) {
    using T = ReferenceTestKind;
    const LevelCase cases[] = {
        {"supra-aural tone", {0, 12, T::Tone}, 7.0f, false},
        {"speech adds 12.5", {0, 12, T::Speech}, 19.5f, false},
        {"narrow band adds the masking correction", {0, 12, T::NarrowBand}, 13.0f, false},
        {"narrow band at 125 Hz adds 4", {0, 2, T::NarrowBand}, 49.0f, false},
        {"narrow band at 750 Hz adds 5", {0, 10, T::NarrowBand}, 13.0f, false},
        {"narrow band at 8000 Hz adds 5", {0, 24, T::NarrowBand}, 18.0f, false},
        {"supra-aural without value is missing", {0, 3, T::Tone}, 0.f, true},
        {"missing even when speech adds to it", {0, 0, T::Speech}, 12.5f, true},
        {"mastoid at 125 Hz is silent", {1, 2, T::Tone}, 0.f, false},
        {"mastoid at 250 Hz", {1, 5, T::Tone}, 67.0f, false},
        {"forehead at 250 Hz", {1, 5, T::Tone, 0, false, true}, 79.0f, false},
        {"bone above 8000 Hz is silent", {1, 25, T::Tone}, 0.f, false},
        {"binaural wins over the angle", {2, 12, T::Tone, 2, true}, 2.0f, false},
        {"monaural 0 degrees", {2, 12, T::Tone, 0}, 4.0f, false},
        {"monaural 45 degrees", {2, 12, T::Tone, 1}, 0.0f, false},
        {"monaural 90 degrees", {2, 12, T::Tone, 2}, -1.5f, false},
        {"any other angle is 90 degrees", {2, 12, T::Tone, 7}, -1.5f, false},
        {"speakers never report missing", {2, 35, T::Tone}, 0.f, false},
        {"insert from its coupler", {3, 2, T::Tone}, 28.0f, false},
        {"insert never reports missing", {3, 30, T::Tone}, 0.f, false},
        {"circumaural", {4, 34, T::Tone}, 51.0f, false},
        {"circumaural without value is missing", {4, 13, T::Tone}, 0.f, true},
        {"narrow band beyond 8000 Hz adds nothing", {4, 25, T::NarrowBand}, 21.0f, false},
    };
    const auto setup = standardSetup();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MissingReferenceList missing;
        EXPECT_FLOAT_EQ(getReferenceLevel(*setup, c.query, &missing), c.expected);
        EXPECT_EQ(missing.warningPending(), c.missing);
        EXPECT_EQ(missing.contains(c.query.frequency), c.missing);
    }
}

TEST(GetReferenceLevel, OutOfRangeQueriesAnswerZeroWithoutReading) {
    const auto setup = standardSetup();
    MissingReferenceList missing;
    EXPECT_EQ(getReferenceLevel(*setup, {5, 12}, &missing), 0.f);
    EXPECT_EQ(getReferenceLevel(*setup, {-1, 12}, &missing), 0.f);
    EXPECT_EQ(getReferenceLevel(*setup, {0, 39}, &missing), 0.f);
    EXPECT_EQ(getReferenceLevel(*setup, {0, -1}, &missing), 0.f);
    EXPECT_FALSE(missing.warningPending());
}

TEST(GetReferenceLevel, UnreadableStoredValuesCountAsMissing) {
    auto setup = standardSetup();
    setup->supraAural.retspl[12] = std::numeric_limits<float>::quiet_NaN();
    setup->circumaural.retspl[34] = std::numeric_limits<float>::infinity();
    MissingReferenceList missing;
    EXPECT_EQ(getReferenceLevel(*setup, {0, 12, ReferenceTestKind::Speech}, &missing), 12.5f);
    EXPECT_EQ(getReferenceLevel(*setup, {4, 34}, &missing), 0.f);
    EXPECT_EQ(missing.indices(), QList<FreqIndex>({12, 34}));
}

TEST(MissingReferenceList, KeepsEachFrequencyOnceInOrderMet) {
    const auto setup = standardSetup();
    MissingReferenceList missing;
    for (const FreqIndex f : {3, 0, 3, 12, 4})
        getReferenceLevel(*setup, {0, f}, &missing);
    EXPECT_EQ(missing.labels(), QStringList({QStringLiteral(" 160"), QStringLiteral("31.5"), QStringLiteral(" 200")}));
    missing.clear();
    EXPECT_FALSE(missing.warningPending());
}

} // namespace
} // namespace orvik
