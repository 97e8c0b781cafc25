#include "shell/CalibrationCheckUnavailable.h"

#include "core/MessageBox.h"

namespace orvik {

int CalibrationCheckUnavailable::run() {
    m_messages.show(QStringLiteral("The meter calibration check is not available in this version."));
    return 0;
}

} // namespace orvik
