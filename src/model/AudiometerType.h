#pragma once

#include <QString>

namespace orvik {

inline constexpr int AudiometerTypeCount = 5;
// What a record that never had its type stored is taken for, by the audiometer page and by every judgement.
inline constexpr int DefaultAudiometerType = 1;

// The audiometer's type 1..5 from its stored text; an empty, unreadable or out-of-range text gives the default.
int audiometerType(const QString& storedType);

} // namespace orvik
