#pragma once

#include <QString>
#include <cstring>

namespace orvik {

// Texts of the stored records: zero-terminated, in fixed character arrays, Latin-1. Reading never runs past the
// array, even when a stored block holds no terminator; writing cuts the text to fit and zero-fills the rest.
template <std::size_t N> QString fixedText(const char (&field)[N]) {
    return QString::fromLatin1(field, static_cast<qsizetype>(strnlen(field, N)));
}

template <std::size_t N> void setFixedText(char (&field)[N], const QString& text) {
    const QByteArray bytes = text.toLatin1().left(static_cast<qsizetype>(N - 1));
    std::memset(field, 0, N);
    std::memcpy(field, bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

} // namespace orvik
