#include "window/media/picture_loader.h"

#include "window/media/bitmap_length.h"
#include "window/media/fatal_error.h"
#include "window/media/picture_cache.h"
#include "window/media/program_files.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>

namespace bramlow {

namespace {

QString fileFailureText(const QString& path, const QString& cause)
{
    return QStringLiteral("Die Bilddatei „%1“ %2\nBramlow wird beendet.").arg(path, cause);
}

// In German, not the system's words: the box is the player's.
QString unreadableCause(const QString& path)
{
    return QFileInfo(path).isReadable() ? QStringLiteral("kann nicht gelesen werden.")
                                        : QStringLiteral("kann nicht gelesen werden: keine Leseberechtigung.");
}

} // namespace

QPixmap loadPictureOrExit(const QString& programDir, const QString& bareName, QWidget* parent)
{
    const QString path = programFile(programDir, bareName);

    if (!QFileInfo(path).isFile())
        reportFatalErrorAndExit(fileFailureText(path, QStringLiteral("fehlt.")), kPictureMissing, parent);

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        reportFatalErrorAndExit(fileFailureText(path, unreadableCause(path)), kPictureUnreadable, parent);

    // The file as it is now, read once; bytes decoded before are not decoded again.
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        reportFatalErrorAndExit(fileFailureText(path, unreadableCause(path)), kPictureUnreadable, parent);
    if (const auto known = cachedPicture(bytes))
        return *known;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);

    // The content decides, not the name: a text file called "x.bmp" is no picture, and
    // neither is a bitmap cut short, whose missing end Qt would paint black.
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    const QImage image = bitmapComplete(bytes) ? reader.read() : QImage();
    if (image.isNull()) {
        if (reader.error() == QImageReader::DeviceError)
            reportFatalErrorAndExit(fileFailureText(path, unreadableCause(path)), kPictureUnreadable, parent);
        reportFatalErrorAndExit(fileFailureText(path, QStringLiteral("ist kein gültiges Bild.")), kPictureInvalid,
                                parent);
    }
    return rememberPicture(bytes, QPixmap::fromImage(image));
}

} // namespace bramlow
