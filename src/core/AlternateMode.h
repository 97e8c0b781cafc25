#pragma once

#include <QString>

namespace orvik {

// The program-wide alternate mode, switched on by a file "AlternateFile" in the program's folder whose
// first line (at most 14 characters, compared upper-cased) contains "YES".
bool readAlternateMode(const QString& programFolder);

} // namespace orvik
