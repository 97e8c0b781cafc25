#pragma once

#include "core/MessageBox.h"

#include <QString>

namespace orvik {

// The "HL Dial Setting:" edit of the masking-noise and speech pages: a whole number of dB HL. Anything else is
// refused with "Invalid number in HL Dial Setting field." and leaves `dialHl` as it was.
bool readDialSetting(const QString& text, int& dialHl, MessageBox& messages);

} // namespace orvik
