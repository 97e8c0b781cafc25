#include "meter/MeterLog.h"

namespace orvik {

Q_LOGGING_CATEGORY(lcMeterLink, "orvik.meter.link", QtWarningMsg)
Q_LOGGING_CATEGORY(lcMeterProtocol, "orvik.meter.protocol", QtWarningMsg)

} // namespace orvik
