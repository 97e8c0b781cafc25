#pragma once

#include <QByteArray>

namespace orvik::meter {

// The K37 line format, kept apart from the I/O so it can be checked byte for byte.

// Sum of the printable characters (32 to 127) modulo 128, lifted by 64 when it would be a control character.
char commandChecksum(const QByteArray& command);

// A reply is summed onto the checksum of the command it answers, so a reply can never pass for the reply
// to another command.
char replyChecksum(char commandChecksum, const QByteArray& replyText);

// The checksum character of a received line and the text before it. The line end is the last CR or LF;
// control characters between the checksum and the line end are passed over.
struct ReplyLine {
    bool hasChecksum = false;
    char checksum = 0;
    QByteArray text;
};
ReplyLine splitReplyLine(const QByteArray& received);

// Removes the flow-control characters XON and XOFF the meter may put inside a reply.
QByteArray withoutFlowControl(QByteArray reply);

// Meter numbers read the way the C library reads them: leading blanks, then the longest number prefix;
// anything else gives 0. A reply is untrusted text, so nothing here can fail.
double replyNumber(const QByteArray& reply);
int replyInteger(const QByteArray& reply);

inline constexpr char Bel = 7;
inline constexpr char Xon = 17;
inline constexpr char Xoff = 19;

} // namespace orvik::meter
