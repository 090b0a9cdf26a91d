#include "window/media/picture_loader.h"

#include "window/media/fatal_error.h"
#include "window/media/program_files.h"

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

} // namespace

QPixmap loadPictureOrExit(const QString& programDir, const QString& bareName, QWidget* parent)
{
    const QString path = programFile(programDir, bareName);

    if (!QFileInfo(path).isFile())
        reportFatalErrorAndExit(fileFailureText(path, QStringLiteral("fehlt.")), kPictureMissing, parent);

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        reportFatalErrorAndExit(
            fileFailureText(path, QStringLiteral("kann nicht gelesen werden (%1).").arg(file.errorString())),
            kPictureUnreadable, parent);
    }

    // The content decides, not the name: a text file called "x.bmp" is no picture.
    QImageReader reader(&file);
    reader.setDecideFormatFromContent(true);
    const QImage image = reader.read();
    if (image.isNull()) {
        if (reader.error() == QImageReader::DeviceError) {
            reportFatalErrorAndExit(
                fileFailureText(path, QStringLiteral("kann nicht gelesen werden (%1).").arg(reader.errorString())),
                kPictureUnreadable, parent);
        }
        reportFatalErrorAndExit(fileFailureText(path, QStringLiteral("ist kein gültiges Bild.")), kPictureInvalid,
                                parent);
    }
    return QPixmap::fromImage(image);
}

} // namespace bramlow
