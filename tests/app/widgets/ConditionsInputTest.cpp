#include "app/ConditionsInput.h"

#include <gtest/gtest.h>

namespace orvik {
namespace {

using F = ConditionsInput::Field;

struct Case {
    const char* temperature;
    const char* humidity;
    const char* pressure;
    F field;
    const char* message;
};

TEST(ConditionsInputTest, ChecksHumidityThenTemperatureThenPressure) {
    const char* humidityMessage = "Invalid entry in Humidity field.\nMust be between 4 and 100%";
    const char* rangeMessage = "Temperature must be between 17.0 and 29.0.";
    const Case cases[] = {
        {"23.0", "4", "760", F::None, ""},
        {"23.0", "100", "760", F::None, ""},
        {"17.0", "50", "29.92", F::None, ""},
        {"29,0", "50", "101,3", F::None, ""},
        {"23.0", "3", "760", F::Humidity, humidityMessage},
        {"23.0", "101", "760", F::Humidity, humidityMessage},
        {"23.0", "", "760", F::Humidity, humidityMessage},
        {"23.0", "5.5", "760", F::Humidity, humidityMessage},
        {"abc", "3", "x", F::Humidity, humidityMessage},
        {"2.3.0", "50", "760", F::Temperature, "Invalid entry in temperature field."},
        {"", "50", "760", F::Temperature, "Invalid entry in temperature field."},
        {"16.9", "50", "760", F::Temperature, rangeMessage},
        {"29.1", "50", "760", F::Temperature, rangeMessage},
        {"23", "50", "7x0", F::Pressure, "Invalid entry in pressure field."},
        {"23", "50", "", F::Pressure, "Invalid entry in pressure field."},
    };
    for (const Case& c : cases) {
        const ConditionsInput input{c.temperature, c.humidity, c.pressure};
        const ConditionsInput::Verdict verdict = input.check();
        EXPECT_EQ(verdict.field, c.field) << c.temperature << " " << c.humidity << " " << c.pressure;
        EXPECT_EQ(verdict.message, QString::fromLatin1(c.message));
    }
}

TEST(ConditionsInputTest, AcceptedValuesAreReadAsTyped) {
    const ConditionsInput::Verdict verdict = ConditionsInput{"21,5", " 45 ", "29.92"}.check();
    EXPECT_FLOAT_EQ(verdict.temperature, 21.5f);
    EXPECT_EQ(verdict.humidity, 45);
    EXPECT_FLOAT_EQ(verdict.pressure, 29.92f);
}

TEST(ConditionsInputTest, ProposalFallsBackOutsideTheTemperatureRange) {
    const ConditionsInput empty = ConditionsInput::proposal(0.0f, 0, 0.0f);
    EXPECT_EQ(empty.temperature, "23.0");
    EXPECT_EQ(empty.humidity, "50");
    EXPECT_EQ(empty.pressure, "760.00");
    const ConditionsInput stored = ConditionsInput::proposal(21.4f, 40, 101.3f);
    EXPECT_EQ(stored.temperature, "21.4");
    EXPECT_EQ(stored.humidity, "40");
    EXPECT_EQ(stored.pressure, "101.30");
}

} // namespace
} // namespace orvik
