#include "window/media/picture_loader.h"

#include "window/media/bitmap_length.h"
#include "window/media/bounded_file.h"
#include "window/media/fatal_error.h"
#include "window/media/picture_cache.h"
#include "window/media/program_files.h"

#include <QBuffer>
#include <QImageReader>

#include <algorithm>

namespace bramlow {

namespace {

QString fileFailureText(const QString& path, const QString& cause)
{
    return QStringLiteral("Die Bilddatei „%1“ %2\nBramlow wird beendet.").arg(path, cause);
}

// In German, not the system's words: the box is the player's.
std::pair<int, QString> exitFor(FileFault fault)
{
    switch (fault) {
    case FileFault::missing:
        return {kPictureMissing, QStringLiteral("fehlt.")};
    case FileFault::noPermission:
        return {kPictureUnreadable, QStringLiteral("kann nicht gelesen werden: keine Leseberechtigung.")};
    case FileFault::special:
        return {kPictureInvalid, QStringLiteral("ist keine gewöhnliche Datei.")};
    case FileFault::tooLarge:
        return {kPictureInvalid, QStringLiteral("ist zu groß: ein Bild darf höchstens 8 MB haben.")};
    case FileFault::unreadable:
    case FileFault::none:
        break;
    }
    return {kPictureUnreadable, QStringLiteral("kann nicht gelesen werden.")};
}

} // namespace

DecodedPicture decodePicture(const QByteArray& bytes)
{
    const QString invalid = QStringLiteral("ist kein gültiges Bild.");
    QByteArray copy = bytes; // shares the bytes; QBuffer wants a non-const array
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    // The content decides, not the name: a text file called "x.bmp" is no picture, and
    // neither is a bitmap cut short, whose missing end Qt would paint black.
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    if (!bitmapComplete(bytes))
        return {{}, invalid};
    // The size from the header, before anything is decoded: a small file may declare a
    // huge picture.
    const QSize size = reader.size();
    if (std::max(bitmapPixels(bytes), qint64(size.width()) * size.height()) > kMaxPicturePixels)
        return {{}, QStringLiteral("ist zu groß: ein Bild darf höchstens 4 Millionen Bildpunkte haben.")};
    const QImage image = reader.read();
    return {image, image.isNull() ? invalid : QString()};
}

QPixmap loadPictureOrExit(const QString& programDir, const QString& bareName, QWidget* parent)
{
    const QString path = programFile(programDir, bareName);
    // The file as it is now, read once; bytes decoded before are not decoded again.
    const FileBytes file = readRegularFile(path, kMaxPictureFileBytes);
    if (file.fault != FileFault::none) {
        const auto [status, cause] = exitFor(file.fault);
        reportFatalErrorAndExit(fileFailureText(path, cause), status, parent);
    }
    if (const auto known = cachedPicture(file.bytes))
        return *known;
    const DecodedPicture decoded = decodePicture(file.bytes);
    if (decoded.image.isNull())
        reportFatalErrorAndExit(fileFailureText(path, decoded.cause), kPictureInvalid, parent);
    return rememberPicture(file.bytes, QPixmap::fromImage(decoded.image));
}

QPixmap loadOptionalPicture(const QString& programDir, const QString& bareName)
{
    const FileBytes file = readRegularFile(programFile(programDir, bareName), kMaxPictureFileBytes);
    const DecodedPicture decoded = file.fault == FileFault::none ? decodePicture(file.bytes) : DecodedPicture{};
    return QPixmap::fromImage(decoded.image);
}

} // namespace bramlow
