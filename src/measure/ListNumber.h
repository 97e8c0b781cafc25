#pragma once

#include <QString>

namespace orvik {

// A value as the lists and the measurement windows show it. Rounding must not leave a sign on zero: "-0.0"
// reads as a fault that is not there. With `signed`, other values carry their sign ("+0.4", "-1.2", "0.0").
QString listNumber(double value, int decimals = 1);
QString signedListNumber(double value, int decimals = 1);

} // namespace orvik
