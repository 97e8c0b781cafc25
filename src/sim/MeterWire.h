#pragma once

#include "sim/K37Meter.h"
#include "sim/WireFaults.h"

#include <QByteArray>
#include <QtGlobal>
#include <deque>

namespace orvik::sim {

// The serial line between the program and the meter: it assembles the bytes the program writes into command
// lines, checks their checksum, lets the meter answer after its reply delay, frames the answer and puts it on
// the line byte by byte at the baud rate (10 bits a byte), with the faults it is told to show. Times are the
// caller's clock in milliseconds; nothing here waits.
class MeterWire {
public:
    struct Exchange {
        QByteArray command; // command text without checksum
        QByteArray reply;   // reply text without checksum, BEL included
        bool answered = true;
    };

    explicit MeterWire(K37Meter& meter);

    // hostBaud 0 means "the same rate as the meter" (a pseudo-terminal has no rate of its own).
    void hostWrite(QByteArrayView bytes, qint64 nowMs, int hostBaud);
    QByteArray hostRead(int maximum, qint64 nowMs, int hostBaud);
    int hostAvailable(qint64 nowMs) const;
    int hostUnsent(qint64 nowMs) const;
    void hostFlushReceived(qint64 nowMs);
    // A break resets the meter's line: the half-received command and whatever it has not sent yet are gone.
    void hostBreak(qint64 nowMs);
    // A port opened on the line; the number identifies it to disconnect().
    int connect();
    // The port closed: a half-received line and bytes still in flight are gone. A handle that was replaced by a
    // newer connection closes nothing.
    void disconnect(int connection);

    int replyDelayMs = 10;
    bool paceBytes = true;
    WireFaults& faults() { return m_faults; }
    // The latest exchanges, at most TranscriptLimit of them: a simulator left running for days must not grow.
    const std::deque<Exchange>& transcript() const { return m_transcript; }
    static constexpr std::size_t TranscriptLimit = 10000;
    void clearTranscript() { m_transcript.clear(); }
    // One exchange a line, "command -> reply", control characters as <BEL>, <XON>..., an unanswered command as
    // "command -> (no reply)": the form of golden transcripts.
    static QByteArray formatTranscript(const std::deque<Exchange>& exchanges);

private:
    struct Scheduled {
        double atMs;
        char byte;
        int baud;
    };
    void receive(char byte, double atMs);
    void answerLine(const QByteArray& line, double atMs);
    QByteArray respond(const QByteArray& text, char checksum, const MeterResponse& response);
    void send(const QByteArray& bytes, double startMs, double byteMs);
    double byteMs(int baud) const { return paceBytes ? 10000.0 / baud : 0.0; }
    bool takeFault(int& counter, const QByteArray& text);
    void record(Exchange exchange);
    int unsentBytes(double atMs) const;

    K37Meter& m_meter;
    WireFaults m_faults;
    QByteArray m_line;
    bool m_overflow = false;
    double m_sendFreeAt = 0.0; // when the meter's transmitter is free again
    double m_hostSendDoneAt = 0.0;
    int m_lastHostBaud = 9600;
    int m_connection = 0;
    std::deque<Scheduled> m_outgoing;
    std::deque<Exchange> m_transcript;
};

} // namespace orvik::sim
