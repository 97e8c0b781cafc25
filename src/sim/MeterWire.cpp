#include "sim/MeterWire.h"

#include "sim/MeterErrors.h"
#include "sim/WireChecksum.h"

#include <QLoggingCategory>
#include <algorithm>
#include <cmath>

Q_LOGGING_CATEGORY(lcSimWire, "orvik.sim.wire", QtWarningMsg)

namespace orvik::sim {

namespace {
constexpr int MaximumLine = 250;
constexpr char Xon = 17;
constexpr char Xoff = 19;
// The meter's transmitter holds this much; what does not fit is lost, as on the real meter. Room for the
// largest block with its reply, so a host that waits for its answers never loses one.
constexpr int TransmitBufferBytes = 4096;

// A byte sent at one rate and received at another arrives as noise; noise with the top bit set is dropped by
// both ends' line assembly, which is how a rate mismatch looks on a real line: nothing sensible gets through.
char garble(char byte) {
    return static_cast<char>(static_cast<unsigned char>(byte) | 0x80);
}
} // namespace

MeterWire::MeterWire(K37Meter& meter) : m_meter(meter) {}

void MeterWire::hostWrite(QByteArrayView bytes, qint64 nowMs, int hostBaud) {
    const int baud = hostBaud > 0 ? hostBaud : m_meter.baudRate();
    m_lastHostBaud = baud;
    double at = std::max(static_cast<double>(nowMs), m_hostSendDoneAt);
    for (const char byte : bytes) {
        at += byteMs(baud);
        receive(baud == m_meter.baudRate() ? byte : garble(byte), at);
    }
    m_hostSendDoneAt = at;
}

int MeterWire::hostUnsent(qint64 nowMs) const {
    const double remaining = m_hostSendDoneAt - static_cast<double>(nowMs);
    const double perByte = byteMs(m_lastHostBaud);
    return remaining > 0.0 && perByte > 0.0 ? static_cast<int>(std::ceil(remaining / perByte)) : 0;
}

void MeterWire::receive(char byte, double atMs) {
    const auto value = static_cast<unsigned char>(byte);
    if (byte == '\r') {
        if (m_overflow) {
            m_overflow = false;
            m_line.clear();
            send(frameReply('@', meter_error::LineTooLong), atMs + replyDelayMs, byteMs(m_meter.baudRate()));
        } else if (!m_line.isEmpty()) {
            const QByteArray line = m_line;
            m_line.clear();
            answerLine(line, atMs);
        }
        return;
    }
    // Line feeds, flow control and noise are not part of any command.
    if (value < 32 || value > 127)
        return;
    if (m_line.size() >= MaximumLine)
        m_overflow = true;
    else
        m_line.append(byte);
}

bool MeterWire::takeFault(int& counter, const QByteArray& text) {
    return m_faults.appliesTo(text) && strike(counter);
}

void MeterWire::answerLine(const QByteArray& line, double atMs) {
    const char received = line.back();
    const QByteArray text = line.chopped(1);
    if (takeFault(m_faults.noReply, text)) {
        record({text, {}, false});
        return;
    }
    MeterResponse response;
    if (commandChecksum(text) != received) {
        response.text = meter_error::Checksum;
    } else if (takeFault(m_faults.belReplies, text)) {
        response.text = meter_error::Failed;
    } else if (const std::optional<MeterCommand> command = MeterCommand::parse(text)) {
        response = m_meter.handle(*command, static_cast<qint64>(atMs));
    } else {
        response.text = meter_error::UnknownCommand;
    }
    record({text, response.silent ? QByteArray() : response.text, !response.silent});
    qCDebug(lcSimWire) << "command" << text << "reply" << response.text;
    if (response.silent)
        return;
    // The reply echoes the checksum as it arrived, so the program can always verify what it gets.
    const QByteArray reply = respond(text, received, response);
    const double late = takeFault(m_faults.lateReplies, text) ? m_faults.lateByMs : 0.0;
    const double start = atMs + replyDelayMs + response.extraDelayMs + late;
    send(reply, start, byteMs(m_meter.baudRate()));
    if (!response.block.isEmpty()) {
        QByteArray block = response.block;
        if (m_faults.blockStopsAfter >= 0 && m_faults.appliesTo(text))
            block.truncate(m_faults.blockStopsAfter);
        const bool trickles = m_faults.blockByteMs > 0 && m_faults.appliesTo(text);
        send(block, m_sendFreeAt, trickles ? m_faults.blockByteMs : byteMs(m_meter.baudRate()));
    }
    if (response.newBaudRate > 0)
        m_meter.setBaudRate(response.newBaudRate);
}

QByteArray MeterWire::respond(const QByteArray& text, char checksum, const MeterResponse& response) {
    QByteArray body = response.text;
    if (m_faults.xonXoffInReplies && m_faults.appliesTo(text)) {
        body.insert(0, Xon);
        body.insert(body.size() / 2 + 1, Xoff);
    }
    QByteArray line = frameReply(checksum, body);
    if (takeFault(m_faults.wrongChecksum, text)) {
        char& sum = line[line.size() - 3];
        sum = static_cast<char>(sum == 127 ? 32 : sum + 1);
    }
    if (m_faults.loneLfBeforeReply && m_faults.appliesTo(text))
        line.prepend('\n');
    return line;
}

void MeterWire::record(Exchange exchange) {
    if (m_transcript.size() == TranscriptLimit)
        m_transcript.pop_front();
    m_transcript.push_back(std::move(exchange));
}

int MeterWire::unsentBytes(double atMs) const {
    int count = 0;
    for (auto s = m_outgoing.rbegin(); s != m_outgoing.rend() && s->atMs > atMs; ++s)
        ++count;
    return count;
}

// Noise on the line makes the meter answer every garbled line with an error; a full transmitter drops what
// no longer fits instead of queueing minutes of error replies ahead of the next real answer.
void MeterWire::send(const QByteArray& bytes, double startMs, double perByteMs) {
    if (unsentBytes(startMs) + bytes.size() > TransmitBufferBytes)
        return;
    double at = std::max(startMs, m_sendFreeAt);
    for (const char byte : bytes) {
        at += perByteMs;
        m_outgoing.push_back({at, byte, m_meter.baudRate()});
    }
    m_sendFreeAt = at;
}

int MeterWire::hostAvailable(qint64 nowMs) const {
    int count = 0;
    for (const Scheduled& s : m_outgoing) {
        if (s.atMs > static_cast<double>(nowMs))
            break;
        ++count;
    }
    return count;
}

QByteArray MeterWire::hostRead(int maximum, qint64 nowMs, int hostBaud) {
    QByteArray bytes;
    while (bytes.size() < maximum && !m_outgoing.empty() && m_outgoing.front().atMs <= static_cast<double>(nowMs)) {
        const Scheduled s = m_outgoing.front();
        m_outgoing.pop_front();
        bytes.append(hostBaud <= 0 || hostBaud == s.baud ? s.byte : garble(s.byte));
    }
    return bytes;
}

void MeterWire::hostFlushReceived(qint64 nowMs) {
    while (!m_outgoing.empty() && m_outgoing.front().atMs <= static_cast<double>(nowMs))
        m_outgoing.pop_front();
}

void MeterWire::hostBreak(qint64 nowMs) {
    m_line.clear();
    m_overflow = false;
    const auto now = static_cast<double>(nowMs);
    while (!m_outgoing.empty() && m_outgoing.back().atMs > now)
        m_outgoing.pop_back();
    m_sendFreeAt = std::min(m_sendFreeAt, now);
    m_meter.lineBreak();
}

QByteArray MeterWire::formatTranscript(const std::deque<Exchange>& exchanges) {
    const auto readable = [](const QByteArray& text) {
        QByteArray out;
        for (const char c : text) {
            if (c == 7)
                out += "<BEL>";
            else if (static_cast<unsigned char>(c) < 32 || static_cast<unsigned char>(c) > 126)
                out += "<" + QByteArray::number(static_cast<unsigned char>(c)) + ">";
            else
                out += c;
        }
        return out;
    };
    QByteArray lines;
    for (const Exchange& exchange : exchanges) {
        lines += readable(exchange.command) + " -> ";
        lines += exchange.answered ? readable(exchange.reply) : QByteArray("(no reply)");
        lines += '\n';
    }
    return lines;
}

int MeterWire::connect() {
    return ++m_connection;
}

void MeterWire::disconnect(int connection) {
    if (connection != m_connection)
        return;
    m_line.clear();
    m_overflow = false;
    m_outgoing.clear();
}

} // namespace orvik::sim
