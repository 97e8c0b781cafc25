#pragma once

#include "equipment/CellStream.h"

#include <QString>
#include <optional>

namespace orvik {

// The workbook library is not trusted with a file from outside: a crafted workbook makes it read past its
// buffers. It runs in a child process of its own ("orvik-workbook-reader") under a time and memory limit, and
// only the cells it prints come back; whatever the file does, the program sees cells or nothing.
struct WorkbookReader {
    QString program = defaultProgram();
    int timeoutMs = 10000;
    qint64 memoryLimitBytes = 512ll * 1024 * 1024;

    // The cells of the first worksheet; nullopt when the reader fails, crashes, runs too long or answers
    // anything but a well-formed cell stream.
    std::optional<CellGrid> read(const QString& path) const;

    // ORVIK_WORKBOOK_READER when set; else the reader next to the running program; else the one of this build.
    static QString defaultProgram();
};

} // namespace orvik
