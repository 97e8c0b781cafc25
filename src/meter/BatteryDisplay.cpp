#include "meter/BatteryDisplay.h"

#include "meter/MeterProtocol.h"

namespace orvik {

BatteryDisplay::BatteryDisplay(SlmCommander& commander, QObject* parent) : QObject(parent), m_commander(commander) {
    m_timer.setInterval(TickMs);
    connect(&m_timer, &QTimer::timeout, this, [this] { tick(); });
}

void BatteryDisplay::start() {
    m_timer.start();
}

void BatteryDisplay::stop() {
    m_timer.stop();
}

QString BatteryDisplay::tick() {
    // The exchanges pump the event loop while they wait; a tick arriving meanwhile must not start a second,
    // nested exchange on the same line.
    if (m_reading)
        return m_text;
    m_reading = true;
    m_text = read(m_commander);
    m_reading = false;
    Q_EMIT textChanged(m_text);
    return m_text;
}

QString BatteryDisplay::read(SlmCommander& commander) {
    // A failed exchange shows as a missing value: an empty reply read as 0 % would look like a flat battery.
    const QString missing = QStringLiteral("Battery Level: ----");
    QByteArray level;
    QByteArray source;
    if (commander.sendCommand("R 86", &level, 8, 1) < 0 || commander.sendCommand("R 87", &source, 10) < 0)
        return missing;
    const QString sourceText = QString::fromLatin1(source);
    if (source.contains('E')) {
        QByteArray voltage;
        if (commander.sendCommand("R 170", &voltage, 8) < 0)
            return missing;
        return QString::asprintf("Battery Level: %.1fV ", meter::replyNumber(voltage)) + sourceText;
    }
    return QString::asprintf("Battery Level: %.1f%% ", meter::replyNumber(level)) + sourceText;
}

} // namespace orvik
