#include "app/ConditionsInput.h"

#include <QRegularExpression>

namespace orvik {

namespace {
// Digits with at most one decimal point, which may be typed as a comma.
bool readDecimal(const QString& text, float& value) {
    static const QRegularExpression decimal(QStringLiteral("^\\s*-?(\\d+([.,]\\d*)?|[.,]\\d+)\\s*$"));
    if (!decimal.match(text).hasMatch())
        return false;
    bool ok = false;
    value = QString(text).replace(u',', u'.').trimmed().toFloat(&ok);
    return ok;
}
} // namespace

ConditionsInput ConditionsInput::proposal(float temperature, int humidity, float pressure) {
    if (temperature < MinTemperature || temperature > MaxTemperature) {
        temperature = 23.0f;
        humidity = 50;
        pressure = 760.0f;
    }
    return ConditionsInput{QString::asprintf("%.1f", double(temperature)), QString::asprintf("%d", humidity),
                           QString::asprintf("%.2f", double(pressure))};
}

ConditionsInput::Verdict ConditionsInput::check() const {
    Verdict verdict;
    bool ok = false;
    verdict.humidity = humidity.trimmed().toInt(&ok);
    if (!ok || verdict.humidity < 4 || verdict.humidity > 100) {
        verdict.field = Field::Humidity;
        verdict.message = QStringLiteral("Invalid entry in Humidity field.\nMust be between 4 and 100%");
        return verdict;
    }
    if (!readDecimal(temperature, verdict.temperature)) {
        verdict.field = Field::Temperature;
        verdict.message = QStringLiteral("Invalid entry in temperature field.");
        return verdict;
    }
    if (verdict.temperature < MinTemperature || verdict.temperature > MaxTemperature) {
        verdict.field = Field::Temperature;
        verdict.message = QString::asprintf("Temperature must be between %.1f and %.1f.", double(MinTemperature),
                                            double(MaxTemperature));
        return verdict;
    }
    if (!readDecimal(pressure, verdict.pressure)) {
        verdict.field = Field::Pressure;
        verdict.message = QStringLiteral("Invalid entry in pressure field.");
    }
    return verdict;
}

} // namespace orvik
