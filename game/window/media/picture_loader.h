#pragma once
// Pictures are read from disk at every use; a file whose bytes were decoded before is not
// decoded again (picture_cache.h).

#include <QPixmap>
#include <QString>

class QWidget;

namespace bramlow {

// Exit statuses of a fatal picture error, one per cause.
enum PictureExitCode : int {
    kPictureMissing = 3,    // no such file
    kPictureUnreadable = 4, // exists but cannot be opened or read
    kPictureInvalid = 5,    // read, but not a picture
};

// Loads the bitmap `bareName` from the program's directory. A missing file, or one that
// is not a picture, is fatal: a German message box names the file and the cause, and the
// program ends with a non-zero status. Never returns a null pixmap.
QPixmap loadPictureOrExit(const QString& programDir, const QString& bareName, QWidget* parent = nullptr);

} // namespace bramlow
