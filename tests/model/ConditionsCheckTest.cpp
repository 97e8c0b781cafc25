#include "model/ConditionsCheck.h"

#include <gtest/gtest.h>

#include <cstring>

namespace orvik {
namespace {

struct ConditionsCase {
    const char* humidity;
    const char* temperature;
    const char* pressure;
    std::optional<ConditionsField> failing;
};

TEST(ConditionsCheck, BoundariesAndOrder) {
    using F = ConditionsField;
    const ConditionsCase cases[] = {
        {"4", "23.0", "760.00", std::nullopt},  {"100", "23.0", "760", std::nullopt},
        {"3", "23.0", "760", F::Humidity},      {"101", "23.0", "760", F::Humidity},
        {"", "23.0", "760", F::Humidity},       {"50.5", "23.0", "760", F::Humidity},
        {"abc", "x", "x", F::Humidity},         {"50", "17.0", "760", std::nullopt},
        {"50", "29.0", "760", std::nullopt},    {"50", "16.9", "760", F::Temperature},
        {"50", "29.1", "760", F::Temperature},  {"50", "23,5", "760", std::nullopt},
        {"50", "2.3.5", "760", F::Temperature}, {"50", "-20", "760", F::Temperature},
        {"50", "", "760", F::Temperature},      {"50", "abc", "x", F::Temperature},
        {"50", "23", "29.92", std::nullopt},    {"50", "23", "101,3", std::nullopt},
        {"50", "23", "", F::Pressure},          {"50", "23", "7 60", F::Pressure},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.humidity) + " / " + c.temperature + " / " + c.pressure);
        const ConditionsCheck check = checkConditions(
            {QString::fromLatin1(c.temperature), QString::fromLatin1(c.humidity), QString::fromLatin1(c.pressure)});
        ASSERT_EQ(check.problem.has_value(), c.failing.has_value());
        if (check.problem) {
            EXPECT_EQ(check.problem->field, *c.failing);
            EXPECT_EQ(check.problem->closesDialog, *c.failing == F::Pressure);
        }
    }
    const QString hugePressure(400, u'9');
    const auto huge = checkConditions({QStringLiteral("23"), QStringLiteral("50"), hugePressure});
    ASSERT_TRUE(huge.problem);
    EXPECT_EQ(huge.problem->field, F::Pressure);
}

TEST(ConditionsCheck, MessagesAndAcceptedValues) {
    EXPECT_EQ(checkConditions({"23", "3", "760"}).problem->message,
              QLatin1String("Invalid entry in Humidity field.\nMust be between 4 and 100%"));
    EXPECT_EQ(checkConditions({"16.9", "50", "760"}).problem->message,
              QLatin1String("Temperature must be between 17.0 and 29.0."));
    EXPECT_EQ(checkConditions({"a", "50", "760"}).problem->message,
              QLatin1String("Invalid entry in temperature field."));
    EXPECT_EQ(checkConditions({"23", "50", "a"}).problem->message, QLatin1String("Invalid entry in pressure field."));

    const ConditionsCheck ok = checkConditions({" 23,5 ", "45", "101.3"});
    ASSERT_FALSE(ok.problem);
    EXPECT_FLOAT_EQ(ok.conditions.temperature, 23.5f);
    EXPECT_EQ(ok.conditions.humidity, 45);
    EXPECT_FLOAT_EQ(ok.conditions.pressure, 101.3f); // no unit conversion
}

TEST(ConditionsCheck, ProposalFallsBackToDefaultsOutsideTheTemperatureRange) {
    TestSetup setup;
    std::memset(&setup, 0, sizeof setup);
    const auto proposed = [&setup](float temperature) {
        setup.temperature = temperature;
        setup.humidity = 65;
        setup.pressure = 29.9f;
        return proposedConditions(setup);
    };
    EXPECT_EQ(proposed(0.f).humidity, 50); // a new record
    EXPECT_EQ(proposed(16.9f).temperature, 23.f);
    EXPECT_EQ(proposed(29.5f).pressure, 760.f);
    EXPECT_EQ(proposed(17.f).humidity, 65);
    EXPECT_EQ(proposed(29.f).pressure, 29.9f);

    const ConditionsTexts texts = conditionsTexts(Conditions{});
    EXPECT_EQ(texts.temperature, QLatin1String("23.0"));
    EXPECT_EQ(texts.humidity, QLatin1String("50"));
    EXPECT_EQ(texts.pressure, QLatin1String("760.00"));

    storeConditions(setup, Conditions{21.5f, 40, 101.3f});
    EXPECT_EQ(setup.temperature, 21.5f);
    EXPECT_EQ(setup.humidity, 40);
    EXPECT_EQ(setup.pressure, 101.3f);
}

} // namespace
} // namespace orvik
