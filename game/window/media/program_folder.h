#pragma once
// The folder the running executable lies in, found from its real path as bytes
// (/proc/self/exe), whatever their encoding. Qt's strings hold a file name only when it is
// valid UTF-8; a folder named otherwise is reached through a handle the program keeps
// open, "/proc/self/fd/<n>", so that its files are found there and nowhere else.

#include <QString>

namespace bramlow {

// The program's folder as a path that Qt and the system both resolve to it.
QString programFolder();

// Whether `path` names a file through the handle: only this program's own calls can
// resolve such a path, never a real name taken from it.
bool reachedThroughHandle(const QString& path);

// `text` as a player reads it in a message: where it names a file through the handle, the
// folder's own name is shown (a replacement character for each byte that is no UTF-8).
QString withShownFolder(QString text);

} // namespace bramlow
