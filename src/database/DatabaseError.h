#pragma once

#include <QString>
#include <exception>

namespace orvik {

// A failure of the database engine: its numeric code and its own description. The engine layer throws these;
// the document catches them where it calls the engine and shows its message followed by the text.
class DatabaseError : public std::exception {
public:
    DatabaseError(int code, QString text) : m_code(code), m_text(std::move(text)), m_what(m_text.toUtf8()) {}
    int code() const { return m_code; }
    const QString& text() const { return m_text; }
    const char* what() const noexcept override { return m_what.constData(); }

private:
    int m_code;
    QString m_text;
    QByteArray m_what;
};

// A message that quotes the engine: the program's own words, then the engine's description.
inline QString withException(const QString& message, const DatabaseError& e) {
    return message + QStringLiteral("--Exception: ") + e.text();
}

// The codes callers test for, and the others this engine reports.
namespace DatabaseErrorCode {
inline constexpr int General = 3000;       // a failure the engine has no better code for
inline constexpr int FileNotFound = 3024;  // "Could not find file ..."
inline constexpr int FieldTooSmall = 3163; // a text longer than its column
inline constexpr int DatabaseExists = 3204;
inline constexpr int NoCurrentRecord = 3021;
inline constexpr int DuplicateKey = 3022; // a second row with a value that must be unique
inline constexpr int NotSupported = 3251;       // a filter on a table-mode recordset
inline constexpr int ItemNotFound = 3265;       // a table that does not exist
inline constexpr int UnrecognizedFormat = 3343; // not a database file
} // namespace DatabaseErrorCode

} // namespace orvik
