#pragma once

#include <QString>

namespace orvik {

// The program-wide alternate mode, switched on by a file "AlternateFile" in the program's folder whose
// first line (at most 14 characters, compared upper-cased) contains "YES".
bool readAlternateMode(const QString& programFolder);

// The alternate modes the measurements tell apart: none, mode 1 (the file says "YES") and mode 2 (it says
// "AUSTRAL"), each with fixed speech references.
enum class AlternateModeKind { Off, One, Two };

} // namespace orvik
