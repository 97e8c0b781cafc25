#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace orvik::sim {

// The meter's line checksum: the printable characters (32 to 127) summed modulo 128, lifted by 64 when the
// result would be a control character, so the checksum itself is always printable.
char commandChecksum(QByteArrayView text);

// A reply's checksum continues the sum of the command it answers, so a reply cannot be mistaken for the
// answer to another command.
char replyChecksum(char commandChecksum, QByteArrayView replyText);

// A complete reply line as the meter puts it on the wire: text, checksum, CR, LF.
QByteArray frameReply(char commandChecksum, QByteArrayView replyText);

} // namespace orvik::sim
