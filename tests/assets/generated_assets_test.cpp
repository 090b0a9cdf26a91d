// The bitmaps and wave files as the game reads them from its program directory, one table row
// per file, and the asset maker that writes them: the same bytes on every run.

#include "test_media_files.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <tuple>

namespace {

const QString kProgramDir = QStringLiteral(BRAMLOW_PROGRAM_DIR "/");

using bramlow::testing::readFile;

QImage bitmap(const QString& name)
{
    const QImage image(kProgramDir + name, "BMP");
    EXPECT_FALSE(image.isNull()) << qPrintable(name) << " is no bitmap";
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage cell(int code) { return bitmap(QStringLiteral("%1.bmp").arg(code, 2, 10, QLatin1Char('0'))); }

// Mean colour of `area` in `image`.
QColor mean(const QImage& image, const QRect& area)
{
    return image.copy(area).scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).pixelColor(0, 0);
}
// A piece covers the middle of its cell; the ground shows along the edges.
QColor middle(const QImage& cell) { return mean(cell, cell.rect().adjusted(33, 33, -33, -33)); }
QColor ground(const QImage& cell) { return mean(cell, QRect(0, 0, cell.width(), 8)); }

double distance(QColor a, QColor b) { return std::hypot(a.red() - b.red(), a.green() - b.green(), a.blue() - b.blue()); }

TEST(GeneratedAssets, EachCellShowsItsPieceOnTheGroundOfItsSquare)
{
    // The file's number, its piece ('S' Silber, 'G' Gold, ' ' none) and the empty cell whose
    // ground it shows (0: its own, for a picked-up piece).
    const std::tuple<int, char, int> rows[] = {
        {1, ' ', 1}, {2, ' ', 2}, {4, ' ', 4},   {5, ' ', 5},   {6, 'S', 1},   {7, 'S', 0},
        {8, 'S', 4}, {9, 'S', 5}, {10, 'G', 1}, {11, 'G', 2}, {12, 'G', 0}, {13, 'G', 5},
    };
    for (const auto& [code, pieceOn, groundOf] : rows) {
        SCOPED_TRACE(code);
        const QImage picture = cell(code);
        for (const int empty : {1, 2, 4, 5}) { // odd square, Gold home, Silber home, even square
            const double apart = distance(ground(picture), ground(cell(empty)));
            EXPECT_TRUE(empty == groundOf ? apart < 12 : apart > 25) << apart << " from the ground of " << empty;
        }
        const QColor piece = middle(picture);
        if (pieceOn == 'S')
            EXPECT_TRUE(piece.hsvSaturationF() < 0.15 && piece.lightness() > 140) << qPrintable(piece.name());
        if (pieceOn == 'G') // yellow to orange
            EXPECT_TRUE(piece.hsvSaturationF() > 0.45 && std::abs(piece.hsvHue() - 45) < 12) << qPrintable(piece.name());
        if (pieceOn != ' ' && groundOf != 0)
            EXPECT_GT(distance(piece, middle(cell(groundOf))), 60.0) << "stands out from the empty square";
    }
    // Odd and even squares differ in brightness, as on any chequered board.
    EXPECT_GT(std::abs(ground(cell(1)).lightness() - ground(cell(5)).lightness()), 50);
}

// The smallest rectangle holding every pixel brighter than `threshold`.
QRectF brightBounds(const QImage& image, int threshold)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) > threshold)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

TEST(GeneratedAssets, EachDieFaceShowsItsPipsAndLooksSquareInItsBox)
{
    // The 3 x 3 places on the face, row by row: X a dark pip, R the red lone pip.
    const char* const faces[] = {"....R....", "X.......X", "X...X...X", "X.X...X.X", "X.X.X.X.X", "X.XX.XX.X"};
    for (int pips = 1; pips <= 6; ++pips) {
        SCOPED_TRACE(pips);
        const QImage image = bitmap(QStringLiteral("wuerfel%1.bmp").arg(pips));
        const QRectF die = brightBounds(image, 180), ivory = brightBounds(image, 210);
        QString seen;
        for (int place = 0; place < 9; ++place) {
            const QPointF step(place % 3 - 1, place / 3 - 1);
            const QRgb p = image.pixel((ivory.center() + step * die.width() * 0.255).toPoint());
            seen += qRed(p) > 2 * qGreen(p) && qRed(p) > 100 ? 'R' : qGray(p) < 130 ? 'X' : '.';
        }
        EXPECT_EQ(seen, QLatin1String(faces[pips - 1]));
        // Stretched into its box of 1485 x 1110 twips.
        EXPECT_NEAR(die.width() * 1485 / image.width() / (die.height() * 1110 / image.height()), 1.0, 0.08);
    }
}

TEST(GeneratedAssets, EachSoundIsPcmOfItsLengthStartingAndEndingInSilence)
{
    // The shortest and longest length in seconds. gut.wav plays 96 times in a row when a game
    // is set up, so it stays very short.
    const std::tuple<const char*, double, double> rows[] = {
        {"gut.wav", 0.040, 0.050}, {"wuerfeln.wav", 0.50, 0.80}, {"ende.wav", 0.15, 1.0},
        {"schlecht.wav", 0.15, 1.0}, {"schlagen.wav", 0.15, 1.0}, {"winner.wav", 1.2, 1.8},
    };
    for (const auto& [file, shortest, longest] : rows) {
        SCOPED_TRACE(file);
        const QByteArray wave = readFile(kProgramDir + QLatin1String(file));
        ASSERT_GT(wave.size(), 44);
        // The plain 44-byte header of 16-bit mono PCM at 44.1 kHz, sizes counted in bytes.
        EXPECT_EQ(wave.left(44), bramlow::testing::waveImage({44100, 1, 16}, wave.mid(44)).left(44));
        const double seconds = (wave.size() - 44) / 88200.0;
        EXPECT_TRUE(seconds >= shortest && seconds <= longest) << seconds << " s";
        int peak = 0;
        for (qsizetype at = 44; at + 1 < wave.size(); at += 2)
            peak = std::max(peak, std::abs(int(qFromLittleEndian<qint16>(wave.constData() + at))));
        EXPECT_TRUE(peak > 32767 / 5 && peak < 32767 * 95 / 100) << "audible, below full scale: " << peak;
        EXPECT_EQ(wave.mid(44, 2) + wave.right(2), QByteArray(4, 0)) << "starts and ends in silence, without a click";
    }
}

TEST(GeneratedAssets, TheMakerWritesTheSameBytesAgainAndFailsClearly)
{
    // Into folders laid out as in the build tree: bin, the program's directory, and icons.
    QTemporaryDir scratch;
    QProcess maker;
    maker.start(QStringLiteral(BRAMLOW_ASSET_MAKER), {scratch.filePath("bin"), scratch.filePath("icons")});
    ASSERT_TRUE(maker.waitForFinished(60000) && maker.exitCode() == 0) << maker.readAllStandardError().toStdString();
    int compared = 0;
    for (QDirIterator files(scratch.path(), QDir::Files, QDirIterator::Subdirectories); files.hasNext(); ++compared) {
        const QString made = QDir(scratch.path()).relativeFilePath(files.next());
        EXPECT_TRUE(readFile(scratch.filePath(made)) == readFile(QStringLiteral(BRAMLOW_BUILD_DIR "/") + made))
            << qPrintable(made) << " differs from the build's copy";
    }
    EXPECT_EQ(compared, 33) << "19 bitmaps, bramlow.png, 6 waves, 7 theme icons";

    // A file where its folder should be: the maker names the path and ends with status 1.
    maker.start(QStringLiteral(BRAMLOW_ASSET_MAKER), {QStringLiteral(BRAMLOW_ASSET_MAKER "/bin"), scratch.path()});
    ASSERT_TRUE(maker.waitForFinished(60000));
    EXPECT_EQ(maker.exitCode(), 1);
    EXPECT_TRUE(maker.readAllStandardError().contains(BRAMLOW_ASSET_MAKER "/bin"));
}

} // namespace
