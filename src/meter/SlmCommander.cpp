#include "meter/SlmCommander.h"

#include "core/PumpWait.h"
#include "meter/K37Catalogue.h"
#include "meter/K37Commands.h"
#include "meter/MeterLog.h"
#include "meter/MeterProtocol.h"

#include <array>
#include <cctype>

namespace orvik {

using namespace meter;

namespace {
constexpr int ReadMaximum = SlmCommander::ReplyBufferSize - 1;
constexpr int PingMaximum = 8;
constexpr int PingTimeout = 3;
constexpr int RunStateMaximum = 8;
constexpr int RunStateTimeout = 1;
constexpr int RunStatePolls = 5;
constexpr int Rounds = 3;
constexpr int BreakMs = 300;
constexpr int BlockReplyMaximum = 4;
constexpr int BlockArrivalChecks = 30;
// A line that keeps sending would otherwise hold the exchange forever; a few stale lines are normal.
constexpr int StaleLineLimit = 10;

bool secondIs(const QByteArray& reply, char c) {
    return reply.size() > 1 && reply[1] == c;
}
} // namespace

SlmCommander::SlmCommander(ComPort& port, MessageBox& messages) : m_port(port), m_messages(messages) {}

void SlmCommander::emptyQueues() {
    m_port.rxFlush();
    m_port.txFlush();
}

int SlmCommander::sendCommand(const QByteArray& command, QByteArray* reply, int maximum, int timeout) {
    QByteArray scratch;
    QByteArray& out = reply ? *reply : scratch;
    emptyQueues();
    m_lastResult = 0;
    const char checksum = commandChecksum(command);
    QByteArray line = command + checksum;
    if (checksum == '%')
        line += '%'; // the port's formatted write turns the pair back into one
    line += "\r\n";
    out.clear();
    if (timeout != 0)
        m_port.setTimeout(timeout);

    int result = Status::ChecksumNeverMatched;
    for (int attempt = 0; attempt < Attempts; ++attempt) {
        if (attempt > 0)
            PumpWait(m_port.clock(), 0.1);
        for (int stale = 0; stale < StaleLineLimit && m_port.rxCount() != 0; ++stale) {
            QByteArray discarded;
            m_port.readLine(discarded, ReadMaximum);
            emptyQueues();
            PumpWait(m_port.clock(), 0.1);
        }
        result = m_port.writeLine(line);
        if (result < 0)
            break;
        result = readCheckedReply(checksum, out, maximum);
        if (result <= 0)
            break;
        qCDebug(lcMeterProtocol) << "checksum mismatch on" << command << "attempt" << attempt + 1;
        result = Status::ChecksumNeverMatched;
    }
    if (result == 0) {
        out = withoutFlowControl(out);
        keepErrorText(out, 0);
    }
    return m_lastResult = result;
}

// 0 on a matching checksum, a negative read error, or 1 for an attempt that must be repeated.
int SlmCommander::readCheckedReply(char checksum, QByteArray& reply, int maximum) {
    int result = m_port.readLine(reply, maximum);
    if (result < 0)
        return result;
    if (reply == "\n") {
        result = m_port.readLine(reply, maximum);
        if (result < 0) {
            reply.clear();
            return result;
        }
    }
    const ReplyLine line = splitReplyLine(reply);
    reply = line.text;
    if (!line.hasChecksum)
        return 1;
    return line.checksum == replyChecksum(checksum, line.text) ? 0 : 1;
}

void SlmCommander::keepErrorText(const QByteArray& reply, qsizetype skip) {
    if (reply.contains(Bel))
        m_errorText = reply.mid(skip).left(ErrorTextSize - 1);
    else
        m_errorText.clear();
}

int SlmCommander::ping() {
    int result = send("@", PingMaximum, PingTimeout);
    if (result < 0) {
        PumpWait(m_port.clock(), 1.0);
        result = send("@", PingMaximum, PingTimeout);
    }
    return result;
}

int SlmCommander::rawPing() {
    int result = m_port.writeSlowly("@@", false);
    if (result == 0)
        result = m_port.readLine(m_reply, ReadMaximum);
    if (result == 0 && m_reply.trimmed().isEmpty())
        result = Status::NoReply;
    return m_lastResult = result;
}

bool SlmCommander::meterAnswered() {
    for (int i = 0; i < 3; ++i) {
        m_port.sendBreak(BreakMs);
        PumpWait(m_port.clock(), 0.25);
    }
    rawPing();
    return send("R1", 200, 1) == 0 && m_reply.startsWith("Veltan");
}

int SlmCommander::baudCode(int& rate) {
    for (int code = 0; code < int(K37BaudRates.size()); ++code) {
        if (K37BaudRates[code] == rate)
            return code;
    }
    rate = 9600;
    return 3;
}

void SlmCommander::setMeterBaud(int rate) {
    m_port.setBaud(9600);
    bool answered = false;
    for (int round = 0; round < Rounds && !answered; ++round)
        answered = meterAnswered();
    if (!answered) {
        qCDebug(lcMeterProtocol) << "meter did not answer at 9600 baud; rate left at 9600";
        return;
    }
    const int code = baudCode(rate);
    sendCommand(k37::setting(k37::SetBaudRate, code));
    m_port.setBaud(rate);
    m_baudRate = rate;
    PumpWait(m_port.clock(), 0.1);
    sendCommand(k37::setting(k37::SetStoredBaudCode, code));
    emptyQueues();
}

int SlmCommander::runState() {
    return send("R 3,1", RunStateMaximum, RunStateTimeout);
}

int SlmCommander::waitStoppedAfter(const QByteArray& command) {
    int result = 0;
    for (int round = 0; round < Rounds; ++round) {
        result = sendCommand(command);
        for (int poll = 0; poll < RunStatePolls; ++poll) {
            runState();
            if (m_reply.contains('O'))
                return m_lastResult = result;
        }
    }
    return m_lastResult = result;
}

int SlmCommander::stop() {
    int result = 0;
    for (int round = 0; round < Rounds; ++round) {
        result = sendCommand("M4");
        for (int poll = 0; poll < RunStatePolls; ++poll) {
            runState();
            if (!m_reply.isEmpty() && !secondIs(m_reply, 'R'))
                return m_lastResult = result;
        }
    }
    return m_lastResult = result;
}

int SlmCommander::run() {
    runState();
    if (secondIs(m_reply, 'R'))
        return m_lastResult = 0;
    int result = 0;
    for (int round = 0; round < Rounds; ++round) {
        result = sendCommand("M3");
        for (int poll = 0; poll < RunStatePolls; ++poll) {
            runState();
            PumpWait(m_port.clock(), 0.25);
            if (m_reply.startsWith(" R"))
                break;
        }
        if (m_reply.contains('R'))
            break;
    }
    return m_lastResult = result;
}

int SlmCommander::getInstrument(int& type) {
    type = 0;
    if (const int status = send("R180", 25, 1); status < 0)
        return status;
    for (int i = 0; i < int(K37Instruments.size()); ++i) {
        if (m_reply.startsWith(K37Instruments[i].code)) {
            type = i + 1;
            return 1;
        }
    }
    return 0;
}

int SlmCommander::loadInstrument(int type) {
    stop();
    waitStoppedAfter("M7,1");
    if (type < 1 || type > int(K37Instruments.size()))
        return 0;
    send(QByteArray("&I2,") + K37Instruments[type - 1].setupFile, 25, 8);
    send("M9,1", 8, 1);
    runState();
    if (!m_reply.contains('R'))
        run();
    return 1;
}

int SlmCommander::getMode(int& mode) {
    mode = 0;
    if (send(k37::QueryMode, 25, 1) < 0)
        return 0;
    static constexpr std::array<const char*, 3> Modes{"SLM/RTA", "FFT", "Pulse/FM"};
    for (int i = 0; i < int(Modes.size()); ++i) {
        if (m_reply.contains(Modes[i])) {
            mode = i + 1;
            return 1;
        }
    }
    return 0;
}

int SlmCommander::setMode(int mode) {
    if (mode < 1 || mode > 3)
        return 0;
    send(QByteArray(k37::SetMode) + char('0' + mode - 1), 8, 3);
    return 1;
}

int SlmCommander::getWeighting(int& weighting) {
    const int result = send(k37::QueryWeighting, 8, 3);
    if (result < 0)
        return result;
    const char first = m_reply.isEmpty() ? '\0' : m_reply[0];
    if (std::isalpha(static_cast<unsigned char>(first))) {
        weighting = first == 'A' ? 0 : first == 'C' ? 1 : 2;
    } else {
        const int number = replyInteger(m_reply);
        weighting = number == 0 || number == 1 ? number : 2;
    }
    return result;
}

int SlmCommander::setWeighting(int weighting) {
    waitStoppedAfter(k37::Reset);
    return send(k37::setting(k37::SetWeighting, weighting), 8, 3);
}

int SlmCommander::setWeightingCompanion(int weighting) {
    return send(k37::setting(k37::SetWeightingCompanion, weighting), 8, 3);
}

int SlmCommander::setDetectorSettings(int setting) {
    const int first = waitStoppedAfter(k37::setting(k37::SetDetector, setting));
    const int second = waitStoppedAfter(k37::setting(k37::SetDetectorCompanion, setting));
    return m_lastResult = first < 0 ? first : second;
}

int SlmCommander::setHighPass(int setting) {
    return send(k37::setting(k37::SetHighPass, setting), 8, 3);
}

int SlmCommander::readFftWindow(bool& hanning) {
    const int status = send(k37::QueryFftWindow, 8, 3);
    hanning = status >= 0 && m_reply.startsWith('H');
    return status;
}

int SlmCommander::setFftWindow(int window) {
    return send(k37::setting(k37::SetFftWindow, window), 8, 3);
}

int SlmCommander::getBandwidth(int& index) {
    const int status = send(k37::QueryBandwidth, 40, 2);
    index = status < 0 ? -1 : replyInteger(m_reply);
    return status;
}

int SlmCommander::setBandwidth(int index) {
    if (index < 0 || index > 6)
        return m_lastResult = Status::InvalidArgument;
    return send(k37::setting(k37::SetBandwidth, index), 40, 2);
}

int SlmCommander::readLevel(float& level) {
    const int status = send("R4,0", 7, 2);
    level = status < 0 ? 0.0f : float(replyNumber(m_reply));
    return status;
}

void SlmCommander::transmitFlush() {
    m_port.txFlush();
}

int SlmCommander::exchangeSlowly(const QByteArray& command, QByteArray& reply) {
    const char checksum = commandChecksum(command);
    for (int attempt = 0; attempt < Attempts; ++attempt) {
        if (attempt > 0)
            PumpWait(m_port.clock(), 0.1);
        int result = m_port.writeSlowly(command + checksum, true);
        if (result == 0)
            result = readCheckedReply(checksum, reply, BlockReplyMaximum);
        if (result == 0) {
            reply = withoutFlowControl(reply);
            keepErrorText(reply, 1); // the error reply's first character is the download marker
        }
        if (result <= 0)
            return result;
    }
    return Status::ChecksumNeverMatched;
}

int SlmCommander::downloadBlock(const QByteArray& command, int blockSize, QByteArray& block, int timeout) {
    block.clear();
    m_port.setTimeout(timeout);
    const auto blockArrived = [&] {
        if (m_port.rxCount() >= blockSize)
            return true;
        for (int check = 0; check < BlockArrivalChecks; ++check) {
            PumpWait(m_port.clock(), 0.2);
            if (m_port.rxCount() >= blockSize)
                return true;
        }
        return false;
    };
    for (;;) {
        for (int tries = 0; tries < DownloadTriesPerQuestion; ++tries) {
            QByteArray reply;
            const int result = exchangeSlowly(command, reply);
            m_lastResult = result;
            if (result == 0 && reply.startsWith('!') && blockArrived())
                return m_lastResult = m_port.readBlock(block, blockSize);
            qCDebug(lcMeterProtocol) << "download of" << command << "failed:" << Status::name(result) << reply;
            PumpWait(m_port.clock(), 0.2);
            emptyQueues();
        }
        const QString question = QString::asprintf("Could not download data from K37 after %d tries!\n Verify that "
                                                   "the K37 is powered on, stable, and connected to the PC.\nThen "
                                                   "press OK!",
                                                   DownloadTriesPerQuestion);
        if (m_messages.show(question, MessageButtons::OkCancel) != MessageAnswer::Ok)
            return m_lastResult = Status::BlockTimeout;
    }
}

} // namespace orvik
