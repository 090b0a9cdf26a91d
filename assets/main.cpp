// Draws every bitmap and icon and synthesises every wave file the game reads, into the
// program's directory. Run by the build; the output is the same, byte for byte, every time.
//
//   bramlow_asset_maker <program-dir> <icon-theme-dir>

#include "cell_pictures.h"
#include "die_faces.h"
#include "logo_picture.h"
#include "program_icon.h"
#include "sound_cues.h"
#include "wave_encoding.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QSaveFile>

#include <array>
#include <cstdio>

namespace {

using namespace bramlow::assets;

constexpr int kCellPixels = 120;   // shown at 870 twips = 58 pixels at 96 dpi, so sharp at 2x
constexpr int kDiePixels = 180;    // high; 240 wide
constexpr std::array<int, 7> kIconSizes{16, 24, 32, 48, 64, 128, 256};
constexpr int kWindowIconSize = 48;

// Written to a temporary file and renamed into place, so a failed run leaves no half file.
bool writeImage(const QImage& image, const QString& path, const char* format)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, format) || !file.commit()) {
        std::fprintf(stderr, "bramlow_asset_maker: cannot write %s: %s\n", qPrintable(path),
                     qPrintable(file.errorString()));
        return false;
    }
    return true;
}

bool writeBitmap(const QImage& image, const QDir& dir, const QString& name)
{
    // No alpha channel: a plain 24-bit Windows bitmap.
    return writeImage(image.convertToFormat(QImage::Format_RGB888), dir.filePath(name), "BMP");
}

bool writeWave(const Samples& samples, const QDir& dir, const QString& name)
{
    const std::vector<std::uint8_t> bytes = encodeWave(samples);
    QSaveFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly)
        || file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()))
               != static_cast<qint64>(bytes.size())
        || !file.commit()) {
        std::fprintf(stderr, "bramlow_asset_maker: cannot write %s: %s\n", qPrintable(dir.filePath(name)),
                     qPrintable(file.errorString()));
        return false;
    }
    return true;
}

bool makeDirectory(const QString& path)
{
    if (QDir().mkpath(path))
        return true;
    std::fprintf(stderr, "bramlow_asset_maker: cannot create the folder %s\n", qPrintable(path));
    return false;
}

bool writeEverything(const QDir& program, const QString& iconTheme)
{
    bool ok = writeBitmap(drawLogo(), program, QStringLiteral("bramlow.bmp"));
    for (int pips = 1; pips <= 6; ++pips)
        ok = writeBitmap(drawDieFace(pips, kDiePixels), program, dieFaceFile(pips)) && ok;
    for (const CellPicture& cell : cellPictures())
        ok = writeBitmap(drawCellPicture(cell, kCellPixels), program, cellPictureFile(cell.code)) && ok;
    ok = writeImage(drawProgramIcon(kWindowIconSize), program.filePath(QStringLiteral("bramlow.png")), "PNG") && ok;
    for (const int size : kIconSizes) {
        const QString folder = QStringLiteral("%1/hicolor/%2x%2/apps").arg(iconTheme).arg(size);
        ok = makeDirectory(folder)
             && writeImage(drawProgramIcon(size), QDir(folder).filePath(QStringLiteral("io.github.bramlow.Bramlow.png")), "PNG")
             && ok;
    }
    for (const SoundCue& cue : soundCues())
        ok = writeWave(cue.make(), program, QString::fromStdString(cue.file)) && ok;
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: bramlow_asset_maker <program-dir> <icon-theme-dir>\n");
        return 2;
    }
    // Drawing needs fonts but no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QString programDir = QString::fromLocal8Bit(argv[1]);
    const QString iconTheme = QString::fromLocal8Bit(argv[2]);
    if (!makeDirectory(programDir) || !makeDirectory(iconTheme))
        return 1;
    return writeEverything(QDir(programDir), iconTheme) ? 0 : 1;
}
