#pragma once

#include "meter/SlmCommander.h"

#include <QObject>
#include <QString>
#include <QTimer>

namespace orvik {

// The battery line of the "Check Battery..." dialog, refreshed once a second while the dialog shows it.
// The dialog only displays textChanged; stop() is its OK.
class BatteryDisplay final : public QObject {
    Q_OBJECT
public:
    static constexpr int TickMs = 1000;

    explicit BatteryDisplay(SlmCommander& commander, QObject* parent = nullptr);

    void start();
    void stop();
    // One reading (three exchanges); the text it shows.
    QString tick();
    const QString& text() const { return m_text; }

    // Percent on battery; on an external supply (a source text with 'E') the supply voltage instead.
    static QString read(SlmCommander& commander);

Q_SIGNALS:
    void textChanged(const QString& text);

private:
    SlmCommander& m_commander;
    QTimer m_timer;
    QString m_text;
    bool m_reading = false;
};

} // namespace orvik
