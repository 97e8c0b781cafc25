#pragma once

#include <QString>
#include <optional>

namespace orvik {

// An instrument value as the technician types it or a setup file holds it: a decimal number with a point
// ("-1.5", "48.70", "1.2e-3"), blanks around it allowed. Commas, units ("1.5dB"), "nan", "inf" and numbers that
// do not fit a stored value ("1e999") are no number: nullopt. An empty text is no number either; what it means
// is the caller's to say.
std::optional<float> parseInstrumentValue(const QString& text);

} // namespace orvik
