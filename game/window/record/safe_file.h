#pragma once
// Files written so that what was there is never lost: a temporary file beside the target,
// written in full and flushed to disk, then renamed over it. A write that fails (a full disk,
// a read-only folder, a folder where the file should be) leaves the old file as it was and
// gives a German message. Files read from outside are read with a limit on their size, and
// only regular files: a FIFO or a device would hang or never end.

#include <QByteArray>
#include <QString>

namespace bramlow {

enum class FileAccess { asBefore, userAlone };

// Creates the folder (for the user alone) if needed. The file keeps the permissions it had,
// or gets those of the user's umask; `userAlone` gives a file with a secret mode 0600 from
// its first byte on. Empty on success, else a German message that names `path` and the cause.
QString writeFileSafely(const QString& path, const QByteArray& bytes, FileAccess access = FileAccess::asBefore);

// Appends `bytes` to the file at `path` and flushes them to disk, through `fd` (opened for
// appending when it is -1, and kept open for the next lines). Empty on success, else the
// cause; the caller closes `fd` then.
QString appendFlushed(int& fd, const QString& path, const QByteArray& bytes);

struct FileRead {
    QByteArray bytes;
    QString error; // German, naming the file; empty on success
};

// At most `maxBytes`; a larger file is refused before it is read.
FileRead readFileBounded(const QString& path, qint64 maxBytes);

} // namespace bramlow
