#include "model/SetupCheck.h"
#include "model/FixedText.h"

#include <QDate>
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>

namespace orvik {
namespace {

const QDate Today(2026, 12, 6);

std::unique_ptr<TestSetup> completeSetup() {
    auto setup = std::make_unique<TestSetup>();
    std::memset(setup.get(), 0, sizeof(TestSetup));
    setFixedText(setup->audSerialNumber, QStringLiteral("SN1"));
    setFixedText(setup->audModel, QStringLiteral("AD229"));
    setFixedText(setup->calibrationDueDate, QStringLiteral("2027-12-06"));
    setup->frequencySelected[12] = 1;
    setup->fmRate = 5.f;
    setup->fmDeviation = 5.f;
    return setup;
}

struct SetupCase {
    const char* name;
    std::function<void(TestSetup&)> change;
    std::optional<SetupField> expected;
};

TEST(SetupCheck, FirstFailingCheckInOrder) {
    const auto due = [](const char* date) {
        return [date](TestSetup& s) { setFixedText(s.calibrationDueDate, QString::fromLatin1(date)); };
    };
    const SetupCase cases[] = {
        {"complete set-up", [](TestSetup&) {}, std::nullopt},
        {"blank serial number", [](TestSetup& s) { setFixedText(s.audSerialNumber, QStringLiteral("   ")); },
         SetupField::SerialNumber},
        {"serial number checked before model",
         [](TestSetup& s) {
             setFixedText(s.audSerialNumber, QString());
             setFixedText(s.audModel, QString());
         },
         SetupField::SerialNumber},
        {"empty model", [](TestSetup& s) { setFixedText(s.audModel, QString()); }, SetupField::Model},
        {"empty due date", due(""), SetupField::CalibrationDueYear},
        {"two-digit year", due("27-12-06"), SetupField::CalibrationDueYear},
        {"year 100 years ahead", due("2126-01-01"), std::nullopt},
        {"year 101 years ahead", due("2127-01-01"), SetupField::CalibrationDueYear},
        {"year 100 years back", due("1926-01-01"), std::nullopt},
        {"year 101 years back", due("1925-01-01"), SetupField::CalibrationDueYear},
        {"no frequency", [](TestSetup& s) { s.frequencySelected[12] = 0; }, SetupField::Frequencies},
        {"a flag other than 1 is not a selection", [](TestSetup& s) { s.frequencySelected[12] = 2; },
         SetupField::Frequencies},
        {"FM rate below 4 Hz", [](TestSetup& s) { s.fmRate = 3.9f; }, SetupField::FmParameters},
        {"FM rate 20 Hz", [](TestSetup& s) { s.fmRate = 20.f; }, std::nullopt},
        {"FM rate above 20 Hz", [](TestSetup& s) { s.fmRate = 20.1f; }, SetupField::FmParameters},
        {"FM deviation 25 %", [](TestSetup& s) { s.fmDeviation = 25.f; }, std::nullopt},
        {"FM deviation below 5 %", [](TestSetup& s) { s.fmDeviation = 4.9f; }, SetupField::FmParameters},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto setup = completeSetup();
        c.change(*setup);
        const auto problem = checkSetup(*setup, Today);
        ASSERT_EQ(problem.has_value(), c.expected.has_value());
        if (problem) {
            EXPECT_EQ(problem->field, *c.expected);
            EXPECT_EQ(problem->acceptable, *c.expected == SetupField::FmParameters);
        }
    }
}

TEST(SetupCheck, MessagesAreTheProgramsOwn) {
    auto setup = completeSetup();
    setFixedText(setup->calibrationDueDate, QStringLiteral("0000-01-01"));
    EXPECT_EQ(checkSetup(*setup, Today)->message,
              QLatin1String("Audiometer Calibration Due Year is invalid.\nMust be 4-digit year within 100 years."));
    setFixedText(setup->audSerialNumber, QString());
    EXPECT_EQ(checkSetup(*setup, Today)->message, QLatin1String("Please enter a serial number for the audiometer."));

    auto fm = completeSetup();
    fm->fmRate = 0.f;
    EXPECT_TRUE(checkSetup(*fm, Today)
                    ->message.startsWith(QLatin1String(
                        "Warning: Audiometer FM parameters are invalid.\n\nFor FM measurements the modulation rate")));
    EXPECT_TRUE(checkSetup(*fm, Today)
                    ->message.endsWith(
                        QLatin1String("(You will not be allowed to make FM measurements with this audiometer.)")));
}

} // namespace
} // namespace orvik
