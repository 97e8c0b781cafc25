#include "sim/WireChecksum.h"

namespace orvik::sim {

namespace {
char checksumFrom(int sum, QByteArrayView text) {
    for (const char c : text) {
        const auto value = static_cast<unsigned char>(c);
        if (value >= 32 && value <= 127)
            sum += value;
    }
    sum %= 128;
    if (sum < 32)
        sum += 64;
    return static_cast<char>(sum);
}
} // namespace

char commandChecksum(QByteArrayView text) {
    return checksumFrom(0, text);
}

char replyChecksum(char commandChecksum, QByteArrayView replyText) {
    return checksumFrom(static_cast<unsigned char>(commandChecksum), replyText);
}

QByteArray frameReply(char commandChecksum, QByteArrayView replyText) {
    QByteArray line(replyText.data(), replyText.size());
    line.append(replyChecksum(commandChecksum, replyText));
    line.append("\r\n");
    return line;
}

} // namespace orvik::sim
