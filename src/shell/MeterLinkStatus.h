#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

namespace orvik {

// The state of the link to the meter as the status bar shows it. The link reports what happens on the port;
// the window only listens. "Talking" lasts while exchanges follow each other and falls back to connected after
// a short quiet spell, so a run waiting on the technician does not look busy.
class MeterLinkStatus final : public QObject {
    Q_OBJECT
public:
    enum class State { NotConnected, Connecting, Connected, Talking, Error };

    MeterLinkStatus();

    State state() const { return m_state; }
    QString text() const;

    // The port number as the technician knows it (COM1 is 1).
    void connecting(int portNumber);
    void connected();
    void exchanged();
    void failed();
    // The port closed under the link; an error it closed after stays shown until the next connection.
    void closed();
    // The technician closed the link: whatever went before is over.
    void disconnected();

Q_SIGNALS:
    void changed();

private:
    void set(State state);

    State m_state = State::NotConnected;
    int m_port = 0;
    QTimer m_quiet;
};

} // namespace orvik
