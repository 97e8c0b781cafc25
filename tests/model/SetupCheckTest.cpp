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

using Fields = std::vector<SetupField>;

struct SetupCase {
    const char* name;
    std::function<void(TestSetup&)> change;
    Fields expected;
};

Fields fieldsOf(const std::vector<SetupProblem>& problems) {
    Fields fields;
    for (const SetupProblem& problem : problems)
        fields.push_back(problem.field);
    return fields;
}

TEST(SetupCheck, EveryFailingCheckInOrder) {
    const auto due = [](const char* date) {
        return [date](TestSetup& s) { setFixedText(s.calibrationDueDate, QString::fromLatin1(date)); };
    };
    const SetupCase cases[] = {
        {"complete set-up", [](TestSetup&) {}, Fields{}},
        {"blank serial number", [](TestSetup& s) { setFixedText(s.audSerialNumber, QStringLiteral("   ")); },
         Fields{SetupField::SerialNumber}},
        {"everything wrong, listed in the order of the page",
         [](TestSetup& s) {
             setFixedText(s.audSerialNumber, QString());
             setFixedText(s.audModel, QString());
             setFixedText(s.calibrationDueDate, QString());
             s.frequencySelected[12] = 0;
             s.fmRate = 0.f;
         },
         Fields{SetupField::SerialNumber, SetupField::Model, SetupField::CalibrationDueYear, SetupField::Frequencies,
                SetupField::FmParameters}},
        {"empty model", [](TestSetup& s) { setFixedText(s.audModel, QString()); }, Fields{SetupField::Model}},
        {"empty due date", due(""), Fields{SetupField::CalibrationDueYear}},
        {"two-digit year", due("27-12-06"), Fields{SetupField::CalibrationDueYear}},
        {"year 100 years ahead", due("2126-01-01"), Fields{}},
        {"year 101 years ahead", due("2127-01-01"), Fields{SetupField::CalibrationDueYear}},
        {"year 100 years back", due("1926-01-01"), Fields{}},
        {"year 101 years back", due("1925-01-01"), Fields{SetupField::CalibrationDueYear}},
        {"no frequency", [](TestSetup& s) { s.frequencySelected[12] = 0; }, Fields{SetupField::Frequencies}},
        {"a flag other than 1 is not a selection", [](TestSetup& s) { s.frequencySelected[12] = 2; },
         Fields{SetupField::Frequencies}},
        {"FM rate below 4 Hz", [](TestSetup& s) { s.fmRate = 3.9f; }, Fields{SetupField::FmParameters}},
        {"FM rate 20 Hz", [](TestSetup& s) { s.fmRate = 20.f; }, Fields{}},
        {"FM rate above 20 Hz", [](TestSetup& s) { s.fmRate = 20.1f; }, Fields{SetupField::FmParameters}},
        {"FM deviation 25 %", [](TestSetup& s) { s.fmDeviation = 25.f; }, Fields{}},
        {"FM deviation below 5 %", [](TestSetup& s) { s.fmDeviation = 4.9f; }, Fields{SetupField::FmParameters}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto setup = completeSetup();
        c.change(*setup);
        const auto problems = checkSetup(*setup, Today);
        EXPECT_EQ(fieldsOf(problems), c.expected);
        EXPECT_EQ(setupAcceptable(problems), c.expected.empty() || c.expected == Fields{SetupField::FmParameters});
    }
}

// The first refusal is told; the FM warning, whose OK accepts the set-up, only when nothing else is wrong.
TEST(SetupCheck, FirstRefusalIsToldTheFmWarningAlone) {
    auto setup = completeSetup();
    setFixedText(setup->audSerialNumber, QString());
    setFixedText(setup->calibrationDueDate, QStringLiteral("0000-01-01"));
    setup->fmRate = 0.f;
    EXPECT_EQ(setupProblemText(checkSetup(*setup, Today)),
              QLatin1String("Please enter a serial number for the audiometer."));

    auto fm = completeSetup();
    fm->fmRate = 0.f;
    const QString warning = setupProblemText(checkSetup(*fm, Today));
    EXPECT_TRUE(warning.startsWith(
        QLatin1String("Warning: Audiometer FM parameters are invalid.\n\nFor FM measurements the modulation rate")));
    EXPECT_TRUE(
        warning.endsWith(QLatin1String("(You will not be allowed to make FM measurements with this audiometer.)")));
}

} // namespace
} // namespace orvik
