#pragma once

#include <QString>

namespace orvik {

// Port numbers ("COM%d", 1-based, as stored in "SLMComport") for the serial devices of a POSIX machine, stable
// across plugging: built-in ports ttyS0..31 are COM1..32, USB serial adapters ttyUSB0..15 are COM33..48,
// modem-class USB devices ttyACM0..15 are COM49..64. The port page and the link both go through here, so the
// number a technician picks is the device that opens.
int portNumberOfDevice(const QString& deviceName); // "ttyUSB0" → 33; 0 outside the families
QString deviceOfPortNumber(int number);            // 33 → "ttyUSB0"; empty for a number no family covers

} // namespace orvik
