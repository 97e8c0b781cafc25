#include "app/SerialPortNames.h"

#include <QSerialPortInfo>

namespace orvik {

namespace {
struct DeviceFamily {
    const char* prefix;
    int firstNumber;
    int count;
};
constexpr DeviceFamily Families[] = {{"ttyS", 1, 32}, {"ttyUSB", 33, 16}, {"ttyACM", 49, 16}};
} // namespace

int comNumberOfDevice(const QString& deviceName) {
    for (const DeviceFamily& family : Families) {
        const QString prefix = QString::fromLatin1(family.prefix);
        if (!deviceName.startsWith(prefix))
            continue;
        bool ok = false;
        const int index = deviceName.mid(prefix.size()).toInt(&ok);
        if (ok && index >= 0 && index < family.count)
            return family.firstNumber + index;
    }
    return 0;
}

QString deviceOfComNumber(int number) {
    for (const DeviceFamily& family : Families)
        if (number >= family.firstNumber && number < family.firstNumber + family.count)
            return QString::fromLatin1(family.prefix) + QString::number(number - family.firstNumber);
    return {};
}

QList<SSerInfo> enumerateSerialPorts() {
    QList<SSerInfo> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        const int number = comNumberOfDevice(info.portName());
        if (number == 0)
            continue;
        SSerInfo port;
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
