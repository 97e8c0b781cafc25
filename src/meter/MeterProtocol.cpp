#include "meter/MeterProtocol.h"

#include <cmath>
#include <cstdlib>
#include <limits>

namespace orvik::meter {

namespace {
char finish(int sum) {
    sum %= 128;
    if (sum < 32)
        sum += 64;
    return static_cast<char>(sum);
}

int printableSum(int start, const QByteArray& text) {
    int sum = start;
    for (char c : text) {
        const int value = static_cast<unsigned char>(c);
        if (value >= 32 && value <= 127)
            sum = (sum + value) % 128;
    }
    return sum;
}

bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}
} // namespace

char commandChecksum(const QByteArray& command) {
    return finish(printableSum(0, command));
}

char replyChecksum(char commandChecksum, const QByteArray& replyText) {
    return finish(printableSum(static_cast<unsigned char>(commandChecksum), replyText));
}

ReplyLine splitReplyLine(const QByteArray& received) {
    qsizetype end = received.size();
    for (qsizetype i = received.size() - 1; i >= 0; --i) {
        if (isLineEnd(received[i])) {
            end = i;
            break;
        }
    }
    qsizetype at = end - 1;
    while (at >= 0 && static_cast<unsigned char>(received[at]) < 32)
        --at;
    ReplyLine line;
    if (at < 0)
        return line;
    line.hasChecksum = true;
    line.checksum = received[at];
    line.text = received.left(at);
    return line;
}

QByteArray withoutFlowControl(QByteArray reply) {
    reply.removeIf([](char c) { return c == Xon || c == Xoff; });
    return reply;
}

double replyNumber(const QByteArray& reply) {
    const QByteArray text = reply; // guarantees the terminating NUL strtod relies on
    const double value = std::strtod(text.constData(), nullptr);
    return std::isfinite(value) ? value : 0.0; // "nan" and "inf" are no meter numbers
}

int replyInteger(const QByteArray& reply) {
    const QByteArray text = reply;
    const long value = std::strtol(text.constData(), nullptr, 10);
    if (value > std::numeric_limits<int>::max() || value < std::numeric_limits<int>::min())
        return 0;
    return static_cast<int>(value);
}

} // namespace orvik::meter
