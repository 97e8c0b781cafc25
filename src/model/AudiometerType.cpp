#include "model/AudiometerType.h"

namespace orvik {

int audiometerType(const QString& storedType) {
    bool ok = false;
    const int type = storedType.trimmed().toInt(&ok);
    return ok && type >= 1 && type <= AudiometerTypeCount ? type : DefaultAudiometerType;
}

} // namespace orvik
