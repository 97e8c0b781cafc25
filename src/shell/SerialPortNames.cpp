#include "shell/SerialPortNames.h"

#include "meter/SerialPortNumbering.h"

#include <QSerialPortInfo>

namespace orvik {

QList<SerialPortInfo> enumerateSerialPorts() {
    QList<SerialPortInfo> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        const int number = portNumberOfDevice(info.portName());
        if (number == 0)
            continue;
        SerialPortInfo port;
        port.devicePath = info.systemLocation();
        port.portName = QStringLiteral("COM%1").arg(number);
        port.friendlyName = info.portName();
        port.description = info.description();
        // A port the system describes no further is named after its device.
        if (port.description.isEmpty())
            port.description = port.friendlyName;
        ports << port;
    }
    return ports;
}

} // namespace orvik
