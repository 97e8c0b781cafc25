#include "meter/ComPort.h"

#include "core/PumpWait.h"
#include "meter/MeterLog.h"

namespace orvik {

namespace {
constexpr int DefaultTimeout = 2;
constexpr int TxDrainPolls = 10;
constexpr int TxDrainSleepMs = 25;

QByteArray collapsePercents(const QByteArray& formatted) {
    QByteArray text;
    text.reserve(formatted.size());
    for (qsizetype i = 0; i < formatted.size(); ++i) {
        text += formatted[i];
        if (formatted[i] == '%' && i + 1 < formatted.size() && formatted[i + 1] == '%')
            ++i;
    }
    return text;
}
} // namespace

ComPort::ComPort(int portNumber, SerialDeviceFactory& factory, Clock& clock) : m_factory(factory), m_clock(clock) {
    if (portNumber < 1)
        m_lastResult = Status::InvalidPort;
    else
        m_portIndex = portNumber - 1;
}

ComPort::~ComPort() {
    close();
}

int ComPort::open() {
    close();
    m_device = m_factory.create(m_portIndex);
    if (!m_device)
        return fail(Status::PortOpenFailed);
    const int opened = m_device->open(RxQueueSize, TxQueueSize);
    if (opened != 0) {
        qCDebug(lcMeterLink) << "port index" << m_portIndex << "did not open:" << Status::name(opened);
        m_device.reset();
        return fail(opened == Status::PortNotAvailable ? Status::InvalidPort : Status::PortOpenFailed);
    }
    m_device->setParity(m_parity);
    m_device->setStopBits(m_stopBits);
    m_device->setDataLength(m_dataBits);
    if (m_device->setBaudRate(m_baudRate) == Status::BaudRefused) {
        m_device->close();
        m_device.reset();
        return fail(Status::PortOpenFailed);
    }
    m_open = true;
    m_device->setDtr(m_dtr);
    m_device->setRts(m_rts);
    m_device->setHandshake(m_handshake);
    return fail(0);
}

int ComPort::close() {
    if (m_device) {
        m_device->close();
        m_device.reset();
    }
    m_open = false;
    return 0;
}

int ComPort::setPort(int portNumber) {
    close();
    if (portNumber < 1)
        return fail(Status::InvalidPort);
    m_portIndex = portNumber - 1;
    return fail(0);
}

int ComPort::setBaud(int rate) {
    m_baudRate = rate;
    if (m_open && m_device->setBaudRate(rate) == Status::BaudRefused)
        return fail(Status::BaudRefusedWhileOpen);
    return fail(0);
}

int ComPort::setTimeout(int seconds) {
    const int previous = m_timeout;
    m_timeout = seconds == 0 ? DefaultTimeout : seconds;
    return previous;
}

void ComPort::emptyReceiveQueue() {
    // Bytes may still be on their way; waiting out one time-out at most keeps a babbling line from hanging us.
    const qint64 end = m_clock.milliseconds() + qint64(m_timeout) * 1000;
    m_device->rxFlush();
    while (m_device->rxCount() > 0 && m_clock.milliseconds() < end) {
        m_device->rxFlush();
        m_clock.pumpMessages();
    }
}

int ComPort::writeLine(const QByteArray& formatted) {
    if (!m_open)
        return fail(Status::WriteFailed);
    emptyReceiveQueue();
    const QByteArray text = collapsePercents(formatted);
    return fail(m_device->write(text) > 0 ? 0 : Status::WriteFailed);
}

int ComPort::writeByte(char byte) {
    if (!m_open || m_device->write(QByteArray(1, byte)) != 1)
        return fail(Status::WriteFailed);
    return fail(0);
}

int ComPort::writeSlowly(const QByteArray& text, bool pause) {
    if (!m_open)
        return fail(Status::WriteFailed);
    if (m_device->rxCount() > 0)
        emptyReceiveQueue();
    for (char c : text) {
        if (writeByte(c) != 0)
            return m_lastResult;
        if (pause)
            PumpWait(m_clock, 0.01);
    }
    return writeByte('\r');
}

void ComPort::drainTransmitQueue() {
    for (int i = 0; i < TxDrainPolls && m_device->txCount() > 0; ++i)
        m_clock.sleep(TxDrainSleepMs);
    m_device->txFlush();
}

int ComPort::readLine(QByteArray& line, int maximum) {
    line.clear();
    if (!m_open)
        return fail(Status::NoReply);
    drainTransmitQueue();
    const qint64 deadline = m_clock.milliseconds() + qint64(m_timeout) * 1000;
    // One byte at a time: whatever follows the LF belongs to the next read.
    while (line.size() < maximum) {
        char c;
        if (m_device->read(&c, 1) == 1) {
            line += c;
            if (c == '\n')
                break;
            continue;
        }
        if (m_clock.milliseconds() >= deadline)
            break;
        m_clock.pumpMessages();
    }
    return fail(line.isEmpty() ? Status::NoReply : 0);
}

int ComPort::readBlock(QByteArray& block, int count) {
    block.clear();
    if (!m_open)
        return fail(Status::BlockTimeout);
    block.resize(count);
    int received = 0;
    qint64 deadline = m_clock.milliseconds() + qint64(m_timeout) * 1000;
    while (received < count) {
        const int got = m_device->read(block.data() + received, count - received);
        if (got > 0) {
            received += got;
            deadline = m_clock.milliseconds() + qint64(m_timeout) * 1000;
            continue;
        }
        if (m_clock.milliseconds() >= deadline) {
            block.truncate(received);
            return fail(Status::BlockTimeout);
        }
        m_clock.pumpMessages();
    }
    return fail(0);
}

void ComPort::sendBreak(int milliseconds) {
    if (m_open)
        m_device->sendBreak(milliseconds);
}

void ComPort::txFlush() {
    if (!m_open)
        return;
    m_device->txFlush();
    for (int i = 0; i < 2 && m_device->txCount() != 0; ++i)
        m_device->txFlush();
}

void ComPort::rxFlush() {
    if (m_open)
        emptyReceiveQueue();
}

int ComPort::rxCount() {
    return m_open ? m_device->rxCount() : 0;
}

int ComPort::txCount() {
    return m_open ? m_device->txCount() : 0;
}

} // namespace orvik
