// The bitmaps and icons as the game sees them: real files, read with Qt's own BMP reader.

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QImageReader>
#include <QRect>
#include <QString>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

QString programFile(const QString& name) { return QStringLiteral(BRAMLOW_PROGRAM_DIR "/") + name; }

// Every test reads each bitmap it needs through here, so every named bitmap is checked to be
// a Windows bitmap that Qt's BMP reader takes, big enough to stay sharp in its box.
QImage loadBitmap(const QString& name)
{
    QImageReader reader(programFile(name), "bmp");
    reader.setDecideFormatFromContent(false);
    QImage image = reader.read();
    EXPECT_FALSE(image.isNull()) << qPrintable(name) << ": " << qPrintable(reader.errorString());
    EXPECT_TRUE(image.width() >= 48 && image.height() >= 48) << qPrintable(name);
    return image.convertToFormat(QImage::Format_RGB32);
}

QString cellFile(int code) { return QStringLiteral("%1.bmp").arg(code, 2, 10, QLatin1Char('0')); }
QString dieFile(int face) { return QStringLiteral("wuerfel%1.bmp").arg(face); }

struct Rgb {
    double r = 0, g = 0, b = 0;
    double luminance() const { return 0.299 * r + 0.587 * g + 0.114 * b; }
    double saturation() const { return (std::max({r, g, b}) - std::min({r, g, b})) / std::max(1.0, std::max({r, g, b})); }
    double hueDegrees() const { return QColor::fromRgbF(r / 255, g / 255, b / 255).hueF() * 360.0; }
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
            sum.r += qRed(p), sum.g += qGreen(p), sum.b += qBlue(p);
            ++count;
        }
    }
    return {sum.r / count, sum.g / count, sum.b / count};
}

Rgb pieceColour(int code) { return meanColour(loadBitmap(cellFile(code)), 0.0, 0.45); }
Rgb groundColour(int code) { return meanColour(loadBitmap(cellFile(code)), 0.88, 1.0); }

TEST(GeneratedPictures, EachPieceShowsItsMetalOnTheGroundOfItsSquare)
{
    enum Metal { Silver, Gold };
    struct PieceRow {
        const char* name;
        int code;
        Metal metal;
        int rival;     // the other player's piece in the same place
        int emptyCell; // the empty cell whose ground the piece stands on; 0 for a picked-up piece
        int pickedUp;  // the picture that replaces this one while the piece is picked up
    };
    const PieceRow rows[] = {
        {"SILBER_ODD", 6, Silver, 10, 1, 7},  {"SILBER_EVEN", 9, Silver, 13, 5, 7},
        {"SILBER_HOME", 8, Silver, 11, 4, 7}, {"SILBER_SELECTED", 7, Silver, 12, 0, 0},
        {"GOLD_ODD", 10, Gold, 6, 1, 12},     {"GOLD_EVEN", 13, Gold, 9, 5, 12},
        {"GOLD_HOME", 11, Gold, 8, 2, 12},    {"GOLD_SELECTED", 12, Gold, 7, 0, 0},
    };
    for (const PieceRow& row : rows) {
        SCOPED_TRACE(row.name);
        const Rgb piece = pieceColour(row.code);
        if (row.metal == Silver) {
            EXPECT_LT(piece.saturation(), 0.15) << "silver is a neutral grey";
            EXPECT_GT(piece.luminance(), 140.0) << "silver is bright";
        } else {
            EXPECT_GT(piece.saturation(), 0.45) << "gold is strongly coloured";
            EXPECT_NEAR(piece.hueDegrees(), 45.0, 12.0) << "gold is yellow-orange";
        }
        EXPECT_GT(piece.distanceTo(pieceColour(row.rival)), 80.0) << "silver and gold far apart";
        if (row.emptyCell == 0)
            continue;
        EXPECT_GT(piece.distanceTo(pieceColour(row.emptyCell)), 60.0) << "the empty cell shows no piece";
        const Rgb ground = groundColour(row.code);
        EXPECT_GT(groundColour(row.pickedUp).distanceTo(ground), 50.0) << "the picked-up piece stands out";
        for (const int empty : {1, 2, 4, 5}) {
            if (empty == row.emptyCell)
                EXPECT_LT(ground.distanceTo(groundColour(empty)), 12.0) << "ground of " << qPrintable(cellFile(empty));
            else
                EXPECT_GT(ground.distanceTo(groundColour(empty)), 30.0) << "not the ground of " << qPrintable(cellFile(empty));
        }
    }
}

TEST(GeneratedPictures, BoardSquaresAndHomeCellsAreFourDistinctGrounds)
{
    auto whole = [](int code) { return meanColour(loadBitmap(cellFile(code)), 0.0, 1.0); };
    for (const auto& [a, b] : {std::pair{1, 5}, {1, 4}, {1, 2}, {5, 4}, {5, 2}, {4, 2}}) {
        SCOPED_TRACE(qPrintable(cellFile(a) + QStringLiteral(" vs ") + cellFile(b)));
        EXPECT_GT(whole(a).distanceTo(whole(b)), 40.0);
    }
    // Odd and even squares are told apart by brightness alone, as on any chequered board.
    EXPECT_GT(std::abs(whole(1).luminance() - whole(5).luminance()), 50.0);
}

// The smallest rectangle holding every pixel brighter than `threshold`: the ivory die.
QRect brightBounds(const QImage& image, int threshold)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) > threshold)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

// Connected regions of at least 20 dark or red pixels inside the die's bright face.
int countPips(const QImage& image, QRect die)
{
    const int margin = (die.width() - 1) / 10;
    die.adjust(margin, margin, -margin, -margin);
    std::vector<char> seen(static_cast<std::size_t>(image.width() * image.height()), 0);
    // The size of the unseen pip region at `start`.
    auto fill = [&](QPoint start) {
        int size = 0;
        for (std::vector<QPoint> stack{start}; !stack.empty();) {
            const QPoint p = stack.back();
            stack.pop_back();
            const std::size_t at = std::size_t(p.y() * image.width() + p.x());
            if (!die.contains(p) || seen[at])
                continue;
            const QRgb c = image.pixel(p);
            if (qGray(c) >= 130 && !(qRed(c) > 2 * qGreen(c) && qRed(c) > 100))
                continue;
            seen[at] = 1;
            ++size;
            stack.insert(stack.end(), {p + QPoint(1, 0), p - QPoint(1, 0), p + QPoint(0, 1), p - QPoint(0, 1)});
        }
        return size;
    };
    int pips = 0;
    for (int y = die.top(); y <= die.bottom(); ++y)
        for (int x = die.left(); x <= die.right(); ++x)
            pips += fill({x, y}) >= 20;
    return pips;
}

TEST(GeneratedPictures, EachDieFaceShowsItsPipsAndLooksSquareInItsBox)
{
    // The die box is 1485 x 1110 twips and stretches the bitmap to fill it.
    constexpr double boxWidth = 1485.0, boxHeight = 1110.0;
    for (int face = 1; face <= 6; ++face) {
        SCOPED_TRACE(face);
        const QImage image = loadBitmap(dieFile(face));
        const QRect ivory = brightBounds(image, 210);
        ASSERT_FALSE(ivory.isEmpty()) << "no ivory die face found";
        EXPECT_EQ(countPips(image, ivory), face);
        const QRect die = brightBounds(image, 180);
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
    std::vector<std::pair<QString, int>> rows{{programFile(QStringLiteral("bramlow.png")), 48}};
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        rows.push_back({QStringLiteral(BRAMLOW_ICON_THEME_DIR "/hicolor/%1x%1/apps/io.github.bramlow.Bramlow.png").arg(size), size});
    for (const auto& [path, size] : rows) {
        SCOPED_TRACE(qPrintable(path));
        QImageReader reader(path);
        EXPECT_EQ(reader.format(), QByteArray("png"));
        const QImage icon = reader.read();
        ASSERT_FALSE(icon.isNull()) << qPrintable(reader.errorString());
        EXPECT_EQ(icon.size(), QSize(size, size));
        EXPECT_TRUE(icon.hasAlphaChannel());
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << "rounded corners are transparent";
        EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 2)), 0xff) << "the middle is opaque";
    }
}

} // namespace
