#pragma once

#include <QString>

namespace orvik {

// Certificate paragraph files: plain text, extension "acp", at most this many bytes are used.
inline constexpr qint64 ParagraphFileLimit = 500;
inline const QString ParagraphExtension = QStringLiteral("acp");

enum class ParagraphRead { Ok, CannotOpen, Empty };

// The first ParagraphFileLimit bytes of a paragraph file into `text`.
ParagraphRead readParagraphFile(const QString& path, QString& text);

} // namespace orvik
