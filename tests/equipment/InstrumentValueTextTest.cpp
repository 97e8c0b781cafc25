#include "equipment/InstrumentValueText.h"

#include <gtest/gtest.h>

using namespace orvik;

namespace {

struct ValueCase {
    const char* text;
    std::optional<float> value;
};

class InstrumentValueText : public ::testing::TestWithParam<ValueCase> {};

TEST_P(InstrumentValueText, ReadsDecimalNumbersOnly) {
    EXPECT_EQ(parseInstrumentValue(QString::fromUtf8(GetParam().text)), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Texts, InstrumentValueText,
                         ::testing::Values(ValueCase{"-1.5", -1.5f}, ValueCase{" 48.70 ", 48.7f}, ValueCase{"+3", 3.0f},
                                           ValueCase{".5", 0.5f}, ValueCase{"12.", 12.0f}, ValueCase{"1.25e-1", 0.125f},
                                           ValueCase{"0", 0.0f}, ValueCase{"nan", std::nullopt},
                                           ValueCase{"NaN", std::nullopt}, ValueCase{"inf", std::nullopt},
                                           ValueCase{"-infinity", std::nullopt}, ValueCase{"1e999", std::nullopt},
                                           ValueCase{"1e39", std::nullopt}, ValueCase{"-1,5", std::nullopt},
                                           ValueCase{"1.5dB", std::nullopt}, ValueCase{"1.2.3", std::nullopt},
                                           ValueCase{"0x10", std::nullopt}, ValueCase{"", std::nullopt},
                                           ValueCase{" ", std::nullopt}, ValueCase{"-", std::nullopt}));

} // namespace
