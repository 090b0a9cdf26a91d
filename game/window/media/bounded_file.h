#pragma once
// Every file beside the program is read through here: opened without blocking, read only
// when it is a regular file, and never beyond a limit. A FIFO, a device or a huge sparse
// file cannot stall the program or fill its memory.

#include <QByteArray>
#include <QString>

namespace bramlow {

enum class FileFault {
    none,
    missing,      // no such file, a dangling link, a link loop or a directory
    noPermission, // exists, but the player may not read it
    unreadable,   // exists, but reading it failed
    special,      // a FIFO, a device or a socket: no file at all
    tooLarge,     // more than the limit
};

struct FileBytes {
    FileFault fault = FileFault::none;
    QByteArray bytes; // the whole file when there is no fault
};

// The file at `path` as it is now, at most `maxBytes` long.
FileBytes readRegularFile(const QString& path, qint64 maxBytes);

} // namespace bramlow
