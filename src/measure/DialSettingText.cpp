#include "measure/DialSettingText.h"

#include <limits>

namespace orvik {

bool readDialSetting(const QString& text, int& dialHl, MessageBox& messages) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    // The record keeps the setting in 16 bits.
    if (!ok || value < std::numeric_limits<qint16>::min() || value > std::numeric_limits<qint16>::max()) {
        messages.show(QStringLiteral("Invalid number in HL Dial Setting field."));
        return false;
    }
    dialHl = value;
    return true;
}

} // namespace orvik
