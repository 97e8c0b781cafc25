#include "shell/MeterLinkStatus.h"

namespace orvik {

namespace {
constexpr int QuietMs = 500;
}

MeterLinkStatus::MeterLinkStatus() {
    m_quiet.setSingleShot(true);
    m_quiet.setInterval(QuietMs);
    connect(&m_quiet, &QTimer::timeout, this, [this] {
        if (m_state == State::Talking)
            set(State::Connected);
    });
}

QString MeterLinkStatus::text() const {
    switch (m_state) {
    case State::Connecting:
        return QStringLiteral("SLM connecting on COM%1...").arg(m_port);
    case State::Connected:
        return QStringLiteral("SLM connected on COM%1").arg(m_port);
    case State::Talking:
        return QStringLiteral("SLM talking on COM%1").arg(m_port);
    case State::Error:
        return QStringLiteral("SLM link error on COM%1").arg(m_port);
    case State::NotConnected:
        break;
    }
    return QStringLiteral("SLM not connected");
}

void MeterLinkStatus::connecting(int portNumber) {
    m_port = portNumber;
    set(State::Connecting);
}

void MeterLinkStatus::connected() {
    set(State::Connected);
}

void MeterLinkStatus::exchanged() {
    if (m_state == State::Connected)
        set(State::Talking);
    if (m_state == State::Talking)
        m_quiet.start();
}

void MeterLinkStatus::failed() {
    set(State::Error);
}

void MeterLinkStatus::closed() {
    if (m_state != State::Error)
        set(State::NotConnected);
}

void MeterLinkStatus::disconnected() {
    set(State::NotConnected);
}

void MeterLinkStatus::set(State state) {
    if (state == m_state)
        return;
    m_state = state;
    Q_EMIT changed();
}

} // namespace orvik
