#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace orvik {

// One serial port found on the machine.
struct SerialPortInfo {
    QString devicePath;   // e.g. "/dev/ttyUSB0"
    QString portName;     // contains "COM" and the port number, e.g. "COM5"
    QString friendlyName; // what the system calls the device
    QString description;
};

// The port choice as both the preferences page and the "Set SLM Port" dialog show it.
struct PortListFill {
    QStringList lines;    // "COM%d <%s>"
    QList<int> portNumbers; // the number behind each line
    int selected = -1;    // -1 only when there is no line at all
    QString notInServiceMessage; // empty when the stored port was found
};

// Lines for the ports whose name holds "COM<n>"; the stored port's line is selected, else the first.
PortListFill fillPortList(const QList<SerialPortInfo>& ports, int storedPort);

// The baud rates by list position; the list offers only the first five.
namespace BaudRates {
inline constexpr int Table[] = {300, 1200, 2400, 9600, 19200, 28800, 57600, 115200};
inline constexpr int Offered = 5;
QStringList offeredTexts();
// The list position of a stored rate; rates the list does not offer select its last line.
int positionOf(int rate);
int rateAt(int position);
} // namespace BaudRates

} // namespace orvik
