#pragma once

#include "app/SerialPortList.h"

#include <QString>

namespace orvik {

// Port numbers for the serial devices of a POSIX machine, stable across plugging: the built-in ports
// ttyS0.. are COM1.., USB serial adapters ttyUSB0.. are COM33.., modem-class USB devices ttyACM0.. are COM49...
// 0 for a device outside these families.
int comNumberOfDevice(const QString& deviceName);
// The device name ("ttyUSB0") of a port number; empty for a number no family covers.
QString deviceOfComNumber(int number);

// The ports the system knows, as the port list wants them.
QList<SSerInfo> enumerateSerialPorts();

} // namespace orvik
