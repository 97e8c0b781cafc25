#pragma once

#include <QString>

namespace orvik {

// File moves that leave a file under the target name at every moment, even when the process is killed half-way
// or the machine loses power: each one ends with the folder's entry synced to disk.
namespace FileSwap {

// Replaces `target` (if any) by `source` in one step. 0 on success, else the system's cause code (errno).
int replace(const QString& source, const QString& target);
// Gives `source` the name `target`, which must not exist yet. 0 or the cause code.
int moveToFreeName(const QString& source, const QString& target);
// Makes `copy` a second name of `original` (a hard link), or a whole copy where the file system has none.
// 0 or the cause code.
int keepCopy(const QString& original, const QString& copy);
// True when both names lead to the same file (one is a hard link of the other).
bool sameFile(const QString& a, const QString& b);

} // namespace FileSwap

} // namespace orvik
