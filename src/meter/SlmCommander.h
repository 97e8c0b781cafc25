#pragma once

#include "core/MessageBox.h"
#include "meter/ComPort.h"
#include "meter/Status.h"

#include <QByteArray>

namespace orvik {

// The K37 command layer: checked command/reply exchanges over the ComPort, the named meter operations and
// the binary data download. One per connection; the port is not owned.
class SlmCommander {
public:
    static constexpr int Attempts = 6;
    static constexpr int ErrorTextSize = 152;
    static constexpr int ReplyBufferSize = 512;
    static constexpr int DownloadTriesPerQuestion = 5;

    SlmCommander(ComPort& port, MessageBox& messages);

    // One exchange. Without a reply buffer the reply is read into scratch space and dropped. A time-out other
    // than 0 becomes the port's read time-out and stays for later exchanges.
    int sendCommand(const QByteArray& command, QByteArray* reply = nullptr, int maximum = 100, int timeout = 0);

    // Named operations; each leaves its reply in reply().
    int ping();
    int rawPing();
    void setMeterBaud(int rate);
    int waitStoppedAfter(const QByteArray& command);
    int stop();
    int run();
    int getInstrument(int& type);
    int loadInstrument(int type);
    int getMode(int& mode);
    int setMode(int mode);
    int getWeighting(int& weighting);
    int setWeighting(int weighting);
    int setWeightingCompanion(int weighting);
    int setDetectorSettings(int setting);
    int setHighPass(int setting);
    int readFftWindow(bool& hanning);
    int setFftWindow(int window);
    int getBandwidth(int& index);
    int setBandwidth(int index);
    int readLevel(float& level);
    void transmitFlush();

    // Sends `command` slowly and takes the `blockSize` bytes that follow its '!' reply. After every five
    // failed tries the technician chooses between five more and giving up (BlockTimeout).
    int downloadBlock(const QByteArray& command, int blockSize, QByteArray& block, int timeout);

    // The meter's code for a baud rate; other rates are taken as 9600.
    static int baudCode(int& rate);

    ComPort& port() { return m_port; }
    const QByteArray& reply() const { return m_reply; }
    const QByteArray& errorText() const { return m_errorText; }
    int lastResult() const { return m_lastResult; }
    int baudRate() const { return m_baudRate; }

private:
    int send(const QByteArray& command, int maximum, int timeout) {
        return sendCommand(command, &m_reply, maximum, timeout);
    }
    int readCheckedReply(char checksum, QByteArray& reply, int maximum);
    int exchangeSlowly(const QByteArray& command, QByteArray& reply);
    void keepErrorText(const QByteArray& reply, qsizetype skip);
    int runState();
    bool meterAnswered();
    void emptyQueues();

    ComPort& m_port;
    MessageBox& m_messages;
    QByteArray m_errorText;
    int m_baudRate = 9600;
    int m_lastResult = 0;
    QByteArray m_reply;
};

} // namespace orvik
