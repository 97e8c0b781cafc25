#pragma once

#include <QLoggingCategory>

namespace orvik {

// Diagnostics of the meter link, off unless QT_LOGGING_RULES turns "orvik.meter.*" on.
Q_DECLARE_LOGGING_CATEGORY(lcMeterLink)
Q_DECLARE_LOGGING_CATEGORY(lcMeterProtocol)

} // namespace orvik
