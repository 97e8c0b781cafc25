#pragma once

#include <QString>

namespace orvik {

// The temperature, humidity and pressure the technician types in the "Temperature / Humidity" dialog.
struct ConditionsInput {
    enum class Field { None, Humidity, Temperature, Pressure };

    static constexpr float MinTemperature = 17.0f;
    static constexpr float MaxTemperature = 29.0f;

    QString temperature;
    QString humidity;
    QString pressure;

    // What the dialog proposes: the stored values, or 23.0 C, 50 % and 760.0 when the stored temperature is
    // outside the accepted range (as it is in an empty record).
    static ConditionsInput proposal(float temperature, int humidity, float pressure);

    struct Verdict {
        Field field = Field::None; // the field to correct; None when all three are good
        QString message;
        float temperature = 0;
        int humidity = 0;
        float pressure = 0;
    };
    // Checks humidity, then temperature, then pressure; the first failure is the verdict.
    Verdict check() const;
};

} // namespace orvik
