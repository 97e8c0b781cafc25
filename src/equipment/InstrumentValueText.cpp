#include "equipment/InstrumentValueText.h"

#include <QRegularExpression>
#include <cmath>
#include <limits>

namespace orvik {

std::optional<float> parseInstrumentValue(const QString& text) {
    // Spelled out rather than left to toDouble, which also takes "nan", "inf" and the words for them.
    static const QRegularExpression decimal(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?$"));
    const QString trimmed = text.trimmed();
    if (!decimal.match(trimmed).hasMatch())
        return std::nullopt;
    bool ok = false;
    const double value = trimmed.toDouble(&ok);
    // The stored values are 32-bit: a number beyond their range would be stored as infinity.
    if (!ok || !std::isfinite(value) || std::abs(value) > std::numeric_limits<float>::max())
        return std::nullopt;
    return static_cast<float>(value);
}

} // namespace orvik
