#include "measure/HarmonicReply.h"

#include "meter/MeterProtocol.h"

namespace orvik {

namespace {
constexpr double WrappedHundredDb = 100.0;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
} // namespace

bool harmonicsNotComputed(const QByteArray& reply) {
    return reply.trimmed() == "---";
}

double relativeHarmonicDb(const QByteArray& reply) {
    const QByteArray text = reply.trimmed();
    const double db = meter::replyNumber(text);
    const bool wrapped = text.size() >= 4 && text[0] == '-' && text[1] == '0' && isDigit(text[2]) && text[3] == '.';
    return wrapped ? db - WrappedHundredDb : db;
}

} // namespace orvik
