#include "shell/SerialPortList.h"

#include <QRegularExpression>

namespace orvik {

namespace {
// The number after "COM", or -1 when the name holds none.
int comNumber(const QString& portName) {
    static const QRegularExpression com(QStringLiteral("COM(\\d+)"));
    const QRegularExpressionMatch match = com.match(portName);
    if (!match.hasMatch())
        return -1;
    bool ok = false;
    const int number = match.captured(1).toInt(&ok);
    return ok ? number : -1;
}
} // namespace

PortListFill fillPortList(const QList<SerialPortInfo>& ports, int storedPort) {
    PortListFill fill;
    int remembered = -1;
    for (const SerialPortInfo& port : ports) {
        const int number = comNumber(port.portName);
        if (number < 0)
            continue;
        if (number == storedPort && remembered < 0)
            remembered = static_cast<int>(fill.lines.size());
        fill.lines << QStringLiteral("COM%1 <%2>").arg(number).arg(port.description);
        fill.portNumbers << number;
    }
    if (remembered >= 0) {
        fill.selected = remembered;
        return fill;
    }
    fill.selected = fill.lines.isEmpty() ? -1 : 0;
    fill.notInServiceMessage = QStringLiteral("The previous Comport \"Com %1\" is not in service. \n"
                                              "Please select a valid comport.")
                                   .arg(storedPort);
    return fill;
}

namespace BaudRates {

QStringList offeredTexts() {
    QStringList texts;
    for (int i = 0; i < Offered; ++i)
        texts << QString::number(Table[i]);
    return texts;
}

int positionOf(int rate) {
    for (int i = 0; i < Offered; ++i)
        if (Table[i] == rate)
            return i;
    return Offered - 1;
}

int rateAt(int position) { return Table[qBound(0, position, Offered - 1)]; }

} // namespace BaudRates

} // namespace orvik
