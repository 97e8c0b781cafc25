#pragma once

#include <QByteArray>
#include <QString>
#include <cstddef>

namespace orvik {

// Texts of the stored records: zero-terminated, in fixed character arrays whose sizes are part of the file
// format. Written as UTF-8; a text whose UTF-8 form does not fit but whose Latin-1 form does (and reads back as
// itself) is written as Latin-1, so whatever earlier versions stored still fits when it is stored again. Read as
// UTF-8 when the bytes are valid UTF-8, else as Latin-1, which is what earlier versions wrote. Reading never runs
// past the array, even when a stored block holds no terminator; writing keeps the longest leading part of the
// text that fits, cut between characters as the technician sees them, and zero-fills the rest.
QString fixedText(const char* field, std::size_t size);
void setFixedText(char* field, std::size_t size, const QString& text);

// The bytes a field of `size` bytes (terminator included) stores for `text`.
QByteArray fixedTextBytes(const QString& text, std::size_t size);
// What a field of `size` bytes gives back after `text` was written into it: what a search for a typed text has
// to look for, since the stored record and its database columns hold exactly this.
QString fittedFixedText(const QString& text, std::size_t size);

template <std::size_t N> QString fixedText(const char (&field)[N]) {
    return fixedText(field, N);
}

template <std::size_t N> void setFixedText(char (&field)[N], const QString& text) {
    setFixedText(field, N, text);
}

} // namespace orvik
