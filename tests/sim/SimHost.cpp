#include "SimHost.h"

#include <gtest/gtest.h>

namespace orvik::sim::test {

AnalyserBehaviour SimHost::quietBehaviour() {
    AnalyserBehaviour behaviour;
    behaviour.readingNoise = ReadingNoise::uniform(0.0);
    behaviour.settlingTauMs = 0.0;
    behaviour.counterJitterHz = 0.0;
    behaviour.sweepJitterHz = 0.0;
    behaviour.timeJitterMs = 0.0;
    return behaviour;
}

SimHost::SimHost(K37Profile profile, AnalyserBehaviour behaviour)
    : simulator(std::move(profile), behaviour), device(&simulator.wire(), clock) {
    device.open(32000, 4000);
}

QByteArray SimHost::collectLine(int timeoutMs) {
    QByteArray bytes;
    const qint64 end = clock.milliseconds() + timeoutMs;
    char byte = 0;
    while (clock.milliseconds() < end) {
        if (device.read(&byte, 1) == 1) {
            bytes.append(byte);
            if (byte == '\n' && bytes.size() > 1)
                return bytes;
        } else {
            clock.advance(1);
        }
    }
    return bytes;
}

QByteArray SimHost::exchangeRaw(const QByteArray& command, int timeoutMs) {
    device.rxFlush();
    device.write(command + commandChecksum(command) + "\r\n");
    return collectLine(timeoutMs);
}

QByteArray SimHost::exchange(const QByteArray& command, int timeoutMs) {
    const QByteArray line = exchangeRaw(command, timeoutMs);
    if (line.size() < 3 || !line.endsWith("\r\n")) {
        ADD_FAILURE() << "no complete reply to " << command.constData();
        return {};
    }
    const QByteArray text = line.chopped(3);
    EXPECT_EQ(line.at(line.size() - 3), replyChecksum(commandChecksum(command), text)) << command.constData();
    return text;
}

QByteArray SimHost::download(const QByteArray& command, int blockSize, int timeoutMs) {
    const QByteArray reply = exchange(command, timeoutMs);
    EXPECT_EQ(reply, "!") << command.constData();
    QByteArray block;
    const qint64 end = clock.milliseconds() + timeoutMs;
    while (block.size() < blockSize && clock.milliseconds() < end) {
        char buffer[1024];
        const int n = device.read(buffer, blockSize - static_cast<int>(block.size()));
        if (n > 0)
            block.append(buffer, n);
        else
            clock.advance(1);
    }
    return block.size() == blockSize ? block : QByteArray();
}

} // namespace orvik::sim::test
