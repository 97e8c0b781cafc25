#include "model/ConditionsCheck.h"

#include <limits>

namespace orvik {

namespace {
constexpr int MinHumidity = 4;
constexpr int MaxHumidity = 100;

// Digits with at most one decimal point or comma; no sign, no exponent. Either separator reads as a point, so
// the field accepts what a technician types on any keyboard.
std::optional<double> plainNumber(const QString& typed) {
    const QString text = typed.trimmed();
    int separators = 0;
    int digits = 0;
    for (const QChar c : text) {
        if (c == u'.' || c == u',')
            ++separators;
        else if (c >= u'0' && c <= u'9')
            ++digits;
        else
            return std::nullopt;
    }
    if (digits == 0 || separators > 1)
        return std::nullopt;
    QString normalised = text;
    normalised.replace(u',', u'.');
    const double value = normalised.toDouble();
    // Hundreds of digits are not a reading; refuse what a stored float cannot hold.
    if (value > std::numeric_limits<float>::max())
        return std::nullopt;
    return value;
}

ConditionsCheck refuse(ConditionsField field, const QString& message, bool closesDialog = false) {
    return ConditionsCheck{ConditionsProblem{field, message, closesDialog}, Conditions{}};
}
} // namespace

Conditions proposedConditions(const TestSetup& setup) {
    if (setup.temperature < MinTemperature || setup.temperature > MaxTemperature)
        return Conditions{};
    return Conditions{setup.temperature, setup.humidity, setup.pressure};
}

void storeConditions(TestSetup& setup, const Conditions& conditions) {
    setup.temperature = conditions.temperature;
    setup.humidity = conditions.humidity;
    setup.pressure = conditions.pressure;
}

ConditionsTexts conditionsTexts(const Conditions& conditions) {
    return ConditionsTexts{QString::asprintf("%.1f", static_cast<double>(conditions.temperature)),
                           QString::asprintf("%d", conditions.humidity),
                           QString::asprintf("%.2f", static_cast<double>(conditions.pressure))};
}

ConditionsCheck checkConditions(const ConditionsTexts& typed) {
    bool isInteger = false;
    const int humidity = typed.humidity.trimmed().toInt(&isInteger);
    if (!isInteger || humidity < MinHumidity || humidity > MaxHumidity)
        return refuse(ConditionsField::Humidity,
                      QStringLiteral("Invalid entry in Humidity field.\nMust be between 4 and 100%"));

    const std::optional<double> temperature = plainNumber(typed.temperature);
    if (!temperature)
        return refuse(ConditionsField::Temperature, QStringLiteral("Invalid entry in temperature field."));
    if (*temperature < MinTemperature || *temperature > MaxTemperature)
        return refuse(ConditionsField::Temperature,
                      QString::asprintf("Temperature must be between %.1f and %.1f.",
                                        static_cast<double>(MinTemperature), static_cast<double>(MaxTemperature)));

    const std::optional<double> pressure = plainNumber(typed.pressure);
    if (!pressure)
        return refuse(ConditionsField::Pressure, QStringLiteral("Invalid entry in pressure field."), true);

    return ConditionsCheck{std::nullopt, Conditions{static_cast<float>(*temperature), static_cast<quint16>(humidity),
                                                    static_cast<float>(*pressure)}};
}

} // namespace orvik
