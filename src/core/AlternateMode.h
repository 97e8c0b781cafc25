#pragma once

#include <QString>

namespace orvik {

// The alternate modes the measurements tell apart: none, mode 1 (the file says "YES") and mode 2 (it says
// "AUSTRAL"), each with fixed speech references.
enum class AlternateModeKind { Off, One, Two };

// The mode a file "AlternateFile" in the program's folder chooses: its first line (at most 14 characters,
// compared upper-cased) containing "YES" gives mode 1, else containing "AUSTRAL" mode 2; anything else, or no
// file, none.
AlternateModeKind readAlternateModeKind(const QString& programFolder);
// The program-wide alternate mode (About box, model RETSPL, reports): mode 1 only. Mode 2 changes nothing but
// the speech references.
inline bool isProgramWideAlternate(AlternateModeKind kind) {
    return kind == AlternateModeKind::One;
}
inline bool readAlternateMode(const QString& programFolder) {
    return isProgramWideAlternate(readAlternateModeKind(programFolder));
}

} // namespace orvik
