// The bitmaps and icons as the game sees them: real files, read with Qt's own BMP reader.

#include <gtest/gtest.h>

#include <QColor>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QRect>
#include <QString>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

const QString kProgramDir = QStringLiteral(BRAMLOW_PROGRAM_DIR);
const QString kIconTheme = QStringLiteral(BRAMLOW_ICON_THEME_DIR);

QString programFile(const QString& name) { return kProgramDir + QLatin1Char('/') + name; }

QString cellFile(int code) { return QStringLiteral("%1.bmp").arg(code, 2, 10, QLatin1Char('0')); }

QImage loadBitmap(const QString& name)
{
    QImageReader reader(programFile(name), "bmp");
    reader.setDecideFormatFromContent(false);
    QImage image = reader.read();
    EXPECT_FALSE(image.isNull()) << qPrintable(name) << ": " << qPrintable(reader.errorString());
    return image.convertToFormat(QImage::Format_RGB32);
}

struct Rgb {
    double r = 0, g = 0, b = 0;
    double luminance() const { return 0.299 * r + 0.587 * g + 0.114 * b; }
    double saturation() const { return (std::max({r, g, b}) - std::min({r, g, b})) / std::max(1.0, std::max({r, g, b})); }
    double distanceTo(const Rgb& o) const { return std::hypot(r - o.r, g - o.g, b - o.b); }
};

// Mean colour of the pixels whose distance from the centre, as a fraction of the half side,
// lies in [inner, outer). The piece covers the middle; the ground shows along the edges.
Rgb meanColour(const QImage& image, double inner, double outer)
{
    const double half = image.width() / 2.0;
    Rgb sum;
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const double d = std::max(std::abs(x + 0.5 - half), std::abs(y + 0.5 - image.height() / 2.0)) / half;
            if (d < inner || d >= outer)
                continue;
            const QRgb p = image.pixel(x, y);
            sum.r += qRed(p);
            sum.g += qGreen(p);
            sum.b += qBlue(p);
            ++count;
        }
    }
    return {sum.r / count, sum.g / count, sum.b / count};
}

Rgb pieceColour(const QImage& image) { return meanColour(image, 0.0, 0.45); }
Rgb groundColour(const QImage& image) { return meanColour(image, 0.88, 1.0); }

double hueDegrees(const Rgb& c) { return QColor::fromRgbF(c.r / 255, c.g / 255, c.b / 255).hueF() * 360.0; }

enum class Metal { None, Silver, Gold };

struct CellRow {
    const char* name;
    int code;
    Metal metal;
    int sameGroundAs; // the empty cell whose ground this picture must show, 0 for none
};

const std::vector<CellRow> kCells{
    {"EMPTY_ODD", 1, Metal::None, 1},          {"GOLD_HOME_EMPTY", 2, Metal::None, 2},
    {"SILBER_HOME_EMPTY", 4, Metal::None, 4},  {"EMPTY_EVEN", 5, Metal::None, 5},
    {"SILBER_ODD", 6, Metal::Silver, 1},       {"SILBER_SELECTED", 7, Metal::Silver, 0},
    {"SILBER_HOME", 8, Metal::Silver, 4},      {"SILBER_EVEN", 9, Metal::Silver, 5},
    {"GOLD_ODD", 10, Metal::Gold, 1},          {"GOLD_HOME", 11, Metal::Gold, 2},
    {"GOLD_SELECTED", 12, Metal::Gold, 0},     {"GOLD_EVEN", 13, Metal::Gold, 5},
};

TEST(GeneratedPictures, EveryNamedBitmapIsAWindowsBitmapThatQtReads)
{
    std::vector<QString> names{QStringLiteral("bramlow.bmp")};
    for (int pips = 1; pips <= 6; ++pips)
        names.push_back(QStringLiteral("wuerfel%1.bmp").arg(pips));
    for (const CellRow& cell : kCells)
        names.push_back(cellFile(cell.code));
    for (const QString& name : names) {
        SCOPED_TRACE(qPrintable(name));
        QFile file(programFile(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.read(2), QByteArray("BM"));
        EXPECT_EQ(QImageReader::imageFormat(programFile(name)), QByteArray("bmp"));
        const QImage image = loadBitmap(name);
        EXPECT_GE(image.width(), 48);
        EXPECT_GE(image.height(), 48);
    }
    EXPECT_FALSE(QFile::exists(programFile(QStringLiteral("03.bmp")))) << "no cell code 3, so no 03.bmp";
}

TEST(GeneratedPictures, PiecesShowTheirPlayersMetal)
{
    for (const CellRow& cell : kCells) {
        SCOPED_TRACE(cell.name);
        const Rgb piece = pieceColour(loadBitmap(cellFile(cell.code)));
        switch (cell.metal) {
        case Metal::Silver:
            EXPECT_LT(piece.saturation(), 0.15) << "silver is a neutral grey";
            EXPECT_GT(piece.luminance(), 140.0) << "silver is bright";
            break;
        case Metal::Gold:
            EXPECT_GT(piece.saturation(), 0.45) << "gold is strongly coloured";
            EXPECT_NEAR(hueDegrees(piece), 45.0, 12.0) << "gold is yellow-orange";
            break;
        case Metal::None:
            break;
        }
    }
}

TEST(GeneratedPictures, SilverAndGoldPiecesAreFarApartOnEveryGround)
{
    const std::vector<std::pair<int, int>> pairs{{6, 10}, {9, 13}, {8, 11}, {7, 12}};
    for (const auto& [silver, gold] : pairs) {
        SCOPED_TRACE(qPrintable(cellFile(silver) + QStringLiteral(" vs ") + cellFile(gold)));
        EXPECT_GT(pieceColour(loadBitmap(cellFile(silver))).distanceTo(pieceColour(loadBitmap(cellFile(gold)))), 80.0);
    }
}

TEST(GeneratedPictures, AnEmptyCellShowsNoPiece)
{
    // Same ground, with and without a piece: the middle must differ clearly.
    const std::vector<std::pair<int, int>> pairs{{1, 6}, {1, 10}, {5, 9}, {5, 13}, {4, 8}, {2, 11}};
    for (const auto& [empty, occupied] : pairs) {
        SCOPED_TRACE(qPrintable(cellFile(empty) + QStringLiteral(" vs ") + cellFile(occupied)));
        EXPECT_GT(pieceColour(loadBitmap(cellFile(empty))).distanceTo(pieceColour(loadBitmap(cellFile(occupied)))), 60.0);
    }
}

TEST(GeneratedPictures, APieceStandsOnTheGroundOfItsSquare)
{
    for (const CellRow& cell : kCells) {
        if (cell.sameGroundAs == 0 || cell.sameGroundAs == cell.code)
            continue;
        SCOPED_TRACE(cell.name);
        const Rgb ground = groundColour(loadBitmap(cellFile(cell.code)));
        const Rgb expected = groundColour(loadBitmap(cellFile(cell.sameGroundAs)));
        EXPECT_LT(ground.distanceTo(expected), 12.0) << "ground of " << qPrintable(cellFile(cell.sameGroundAs));
        for (const int other : {1, 2, 4, 5}) {
            if (other == cell.sameGroundAs)
                continue;
            EXPECT_GT(ground.distanceTo(groundColour(loadBitmap(cellFile(other)))), 30.0)
                << "not the ground of " << qPrintable(cellFile(other));
        }
    }
}

TEST(GeneratedPictures, BoardSquaresAndHomeCellsAreFourDistinctGrounds)
{
    const std::vector<int> grounds{1, 5, 4, 2};
    for (std::size_t i = 0; i < grounds.size(); ++i) {
        for (std::size_t j = i + 1; j < grounds.size(); ++j) {
            SCOPED_TRACE(qPrintable(cellFile(grounds[i]) + QStringLiteral(" vs ") + cellFile(grounds[j])));
            const Rgb a = meanColour(loadBitmap(cellFile(grounds[i])), 0.0, 1.0);
            const Rgb b = meanColour(loadBitmap(cellFile(grounds[j])), 0.0, 1.0);
            EXPECT_GT(a.distanceTo(b), 40.0);
        }
    }
    // Odd and even squares are told apart by brightness alone, as on any chequered board.
    EXPECT_GT(std::abs(meanColour(loadBitmap(cellFile(1)), 0, 1).luminance()
                       - meanColour(loadBitmap(cellFile(5)), 0, 1).luminance()),
              50.0);
}

TEST(GeneratedPictures, APickedUpPieceStandsOutFromEveryGroundItCanBeOn)
{
    // 07 and 12 replace the piece wherever it stands: on either square colour or its home.
    const std::vector<std::pair<int, std::vector<int>>> rows{{7, {6, 9, 8}}, {12, {10, 13, 11}}};
    for (const auto& [selected, resting] : rows) {
        const Rgb glow = groundColour(loadBitmap(cellFile(selected)));
        for (const int code : resting) {
            SCOPED_TRACE(qPrintable(cellFile(selected) + QStringLiteral(" vs ") + cellFile(code)));
            EXPECT_GT(glow.distanceTo(groundColour(loadBitmap(cellFile(code)))), 50.0);
        }
    }
}

// The smallest rectangle holding every pixel brighter than `threshold`: the ivory die.
QRect brightBounds(const QImage& image, int threshold)
{
    int left = image.width(), right = -1, top = image.height(), bottom = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) > threshold) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

// Connected regions of dark or red pixels inside the die's bright face.
int countPips(const QImage& image)
{
    const QRect die = brightBounds(image, 210);
    if (die.isEmpty())
        return -1;
    int left = die.left(), right = die.right(), top = die.top(), bottom = die.bottom();
    const int margin = (right - left) / 10;
    left += margin, right -= margin, top += margin, bottom -= margin;
    const int w = right - left + 1;
    const int h = bottom - top + 1;
    auto isPip = [&](int x, int y) {
        const QRgb p = image.pixel(left + x, top + y);
        return qGray(p) < 130 || (qRed(p) > 2 * qGreen(p) && qRed(p) > 100);
    };
    std::vector<char> seen(static_cast<std::size_t>(w * h), 0);
    int pips = 0;
    for (int y0 = 0; y0 < h; ++y0) {
        for (int x0 = 0; x0 < w; ++x0) {
            if (seen[y0 * w + x0] || !isPip(x0, y0))
                continue;
            int size = 0;
            std::vector<std::pair<int, int>> stack{{x0, y0}};
            seen[y0 * w + x0] = 1;
            while (!stack.empty()) {
                const auto [x, y] = stack.back();
                stack.pop_back();
                ++size;
                for (const auto& [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
                    const int nx = x + dx, ny = y + dy;
                    if (nx >= 0 && ny >= 0 && nx < w && ny < h && !seen[ny * w + nx] && isPip(nx, ny)) {
                        seen[ny * w + nx] = 1;
                        stack.push_back({nx, ny});
                    }
                }
            }
            if (size >= 20)
                ++pips;
        }
    }
    return pips;
}

TEST(GeneratedPictures, EachDieFaceShowsItsNumberOfPips)
{
    for (int face = 1; face <= 6; ++face) {
        SCOPED_TRACE(face);
        EXPECT_EQ(countPips(loadBitmap(QStringLiteral("wuerfel%1.bmp").arg(face))), face);
    }
}

TEST(GeneratedPictures, DieLooksSquareWhenStretchedIntoItsBox)
{
    // The die box is 1485 x 1110 twips and stretches the bitmap to fill it.
    constexpr double boxWidth = 1485.0, boxHeight = 1110.0;
    for (int face = 1; face <= 6; ++face) {
        SCOPED_TRACE(face);
        const QImage image = loadBitmap(QStringLiteral("wuerfel%1.bmp").arg(face));
        const QRect die = brightBounds(image, 180);
        ASSERT_FALSE(die.isEmpty()) << "no ivory die face found";
        const double shownWidth = die.width() * boxWidth / image.width();
        const double shownHeight = die.height() * boxHeight / image.height();
        EXPECT_NEAR(shownWidth / shownHeight, 1.0, 0.08);
    }
}

TEST(GeneratedPictures, LogoFitsBothOfItsBoxes)
{
    // Stretched over the board area (9000 x 8760) and into the logo boxes (3120 x 2400,
    // 3255 x 2505): an aspect between the two keeps the distortion small in both.
    const QImage logo = loadBitmap(QStringLiteral("bramlow.bmp"));
    const double aspect = double(logo.width()) / logo.height();
    EXPECT_GT(aspect, 9000.0 / 8760.0);
    EXPECT_LT(aspect, 3120.0 / 2400.0);
    EXPECT_GE(logo.height(), 400) << "sharp when the window is enlarged";
}

TEST(GeneratedPictures, ProgramIconAtEveryThemeSize)
{
    struct IconRow {
        QString path;
        int size;
    };
    std::vector<IconRow> rows{{programFile(QStringLiteral("bramlow.png")), 48}};
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        rows.push_back({kIconTheme + QStringLiteral("/hicolor/%1x%1/apps/io.github.bramlow.Bramlow.png").arg(size), size});
    for (const IconRow& row : rows) {
        SCOPED_TRACE(qPrintable(row.path));
        QImageReader reader(row.path);
        EXPECT_EQ(reader.format(), QByteArray("png"));
        const QImage icon = reader.read();
        ASSERT_FALSE(icon.isNull()) << qPrintable(reader.errorString());
        EXPECT_EQ(icon.size(), QSize(row.size, row.size));
        EXPECT_TRUE(icon.hasAlphaChannel());
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << "rounded corners are transparent";
        EXPECT_EQ(qAlpha(icon.pixel(row.size / 2, row.size / 2)), 255) << "the middle is opaque";
    }
}

} // namespace
