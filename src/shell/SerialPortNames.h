#pragma once

#include "shell/SerialPortList.h"

#include <QString>

namespace orvik {

// The ports the system knows, as the port list wants them.
QList<SerialPortInfo> enumerateSerialPorts();

} // namespace orvik
