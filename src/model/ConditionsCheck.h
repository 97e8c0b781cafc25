#pragma once

#include "model/TestSetup.h"

#include <QString>
#include <optional>

namespace orvik {

// Temperature, humidity and static pressure of a bone-conduction test with the maker's own mastoid.
struct Conditions {
    float temperature = 23.0f; // degrees C
    quint16 humidity = 50;     // percent
    float pressure = 760.0f;   // as typed: inches or millimetres of mercury, or kPa
};

inline constexpr float MinTemperature = 17.0f;
inline constexpr float MaxTemperature = 29.0f;

// What the dialog proposes: the stored values, or the defaults when the stored temperature is outside the range
// (a new record holds 0).
Conditions proposedConditions(const TestSetup& setup);
void storeConditions(TestSetup& setup, const Conditions& conditions);

// The texts of the three fields: temperature "%.1f", humidity "%d", pressure "%.2f".
struct ConditionsTexts {
    QString temperature;
    QString humidity;
    QString pressure;
};
ConditionsTexts conditionsTexts(const Conditions& conditions);

enum class ConditionsField { Humidity, Temperature, Pressure };

struct ConditionsProblem {
    ConditionsField field; // gets the focus
    QString message;
    bool closesDialog = false; // a bad pressure closes the dialog as cancelled; the others keep it open
};

struct ConditionsCheck {
    std::optional<ConditionsProblem> problem;
    Conditions conditions; // meaningful when there is no problem
};

// Checks humidity, temperature and pressure in that order, as the technician typed them.
ConditionsCheck checkConditions(const ConditionsTexts& typed);

} // namespace orvik
