#pragma once
// Pictures are read from disk at every use; a file whose bytes were decoded before is not
// decoded again (picture_cache.h).

#include <QImage>
#include <QPixmap>
#include <QString>

class QWidget;

namespace bramlow {

// Exit statuses of a fatal picture error, one per cause.
enum PictureExitCode : int {
    kPictureMissing = 3,    // no such file
    kPictureUnreadable = 4, // exists but cannot be opened or read
    kPictureInvalid = 5,    // read, but not a picture, or one too large for the game
};

// A picture beside the program is a file of at most this many bytes and pixels: the
// game's largest, bramlow.bmp, has 2.2 MB and about half a million pixels.
inline constexpr qint64 kMaxPictureFileBytes = 8 * 1024 * 1024;
inline constexpr qint64 kMaxPicturePixels = 4 * 1024 * 1024;

// The picture in `bytes`, or why they hold none: a cause in German that follows the file's
// name in a message, such as "ist kein gültiges Bild.".
struct DecodedPicture {
    QImage image;
    QString cause; // empty when `image` holds the picture
};
DecodedPicture decodePicture(const QByteArray& bytes);

// Loads the bitmap `bareName` from the program's directory. A missing file, or one that
// is not a picture, is fatal: a German message box names the file and the cause, and the
// program ends with a non-zero status. Never returns a null pixmap.
QPixmap loadPictureOrExit(const QString& programDir, const QString& bareName, QWidget* parent = nullptr);

// The picture `bareName` beside the program, or a null pixmap for any fault: for an icon,
// which the game does without.
QPixmap loadOptionalPicture(const QString& programDir, const QString& bareName);

} // namespace bramlow
