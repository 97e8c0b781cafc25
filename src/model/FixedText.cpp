#include "model/FixedText.h"

#include <QStringDecoder>
#include <QTextBoundaryFinder>
#include <algorithm>
#include <cstring>
#include <optional>

namespace orvik {

namespace {
QString decoded(QByteArrayView bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : text;
}

bool isLatin1(QStringView text) {
    for (QChar c : text) {
        if (c.unicode() > 0xff)
            return false;
    }
    return true;
}

// The bytes that read back as `text` within `room` bytes, if there are any.
std::optional<QByteArray> bytesWithin(QStringView text, qsizetype room) {
    QByteArray utf8 = text.toUtf8();
    if (utf8.size() <= room)
        return utf8;
    if (text.size() <= room && isLatin1(text)) {
        QByteArray latin1 = text.toLatin1();
        if (decoded(latin1) == text)
            return latin1;
    }
    return std::nullopt;
}
} // namespace

QString fixedText(const char* field, std::size_t size) {
    return decoded(QByteArrayView(field, static_cast<qsizetype>(strnlen(field, size))));
}

QByteArray fixedTextBytes(const QString& text, std::size_t size) {
    const auto room = static_cast<qsizetype>(size) - 1;
    if (room <= 0)
        return {};
    // A zero byte would end the stored text there; what follows it could never be read back.
    const QString whole = text.left(text.indexOf(QChar(u'\0')));
    if (auto bytes = bytesWithin(whole, room))
        return *bytes;
    // Every encoding takes at least one byte per UTF-16 unit, so nothing longer than `room` units can fit.
    QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, whole);
    characters.setPosition(std::min(whole.size(), room));
    qsizetype end = characters.isAtBoundary() ? characters.position() : characters.toPreviousBoundary();
    for (; end > 0; end = characters.toPreviousBoundary()) {
        if (auto bytes = bytesWithin(QStringView(whole).left(end), room))
            return *bytes;
    }
    return {};
}

void setFixedText(char* field, std::size_t size, const QString& text) {
    const QByteArray bytes = fixedTextBytes(text, size);
    std::memset(field, 0, size);
    std::memcpy(field, bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QString fittedFixedText(const QString& text, std::size_t size) {
    return decoded(fixedTextBytes(text, size));
}

} // namespace orvik
