#include "meter/SerialPortNumbering.h"

namespace orvik {

namespace {
struct DeviceFamily {
    const char* prefix;
    int firstNumber;
    int count;
};
constexpr DeviceFamily Families[] = {{"ttyS", 1, 32}, {"ttyUSB", 33, 16}, {"ttyACM", 49, 16}};
} // namespace

int portNumberOfDevice(const QString& deviceName) {
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

QString deviceOfPortNumber(int number) {
    for (const DeviceFamily& family : Families)
        if (number >= family.firstNumber && number < family.firstNumber + family.count)
            return QString::fromLatin1(family.prefix) + QString::number(number - family.firstNumber);
    return {};
}

} // namespace orvik
