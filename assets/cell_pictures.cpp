#include "cell_pictures.h"

#include "game_piece.h"
#include "surfaces.h"

#include <QPainter>
#include <QRadialGradient>

namespace bramlow::assets {

namespace {

// Board squares: pale maple on odd squares, dark walnut on even ones (b11, bottom left, is
// even and dark, as on a chess board). Grain alternates like parquet.
const WoodTone kMaple{QColor(238, 204, 150), QColor(196, 146, 88)};
const WoodTone kWalnut{QColor(142, 92, 52), QColor(82, 48, 24)};

// Home cells are stone, cool slate for Silber and warm porphyry for Gold.
const QColor kSlateDark(38, 50, 66);
const QColor kSlateLight(104, 124, 148);
const QColor kPorphyryDark(70, 22, 24);
const QColor kPorphyryLight(150, 66, 58);

constexpr double kPieceRadius = 0.34;
constexpr double kSocketRadius = 0.38;

void paintGround(QPainter& painter, CellGround ground, int size)
{
    switch (ground) {
    case CellGround::OddSquare:
        painter.drawImage(0, 0, woodSurface(size, kMaple, GrainDirection::Horizontal, 11u));
        drawRaisedEdge(painter, QRectF(0, 0, size, size), size * 0.035, 70);
        return;
    case CellGround::EvenSquare:
        painter.drawImage(0, 0, woodSurface(size, kWalnut, GrainDirection::Vertical, 23u));
        drawRaisedEdge(painter, QRectF(0, 0, size, size), size * 0.035, 55);
        return;
    case CellGround::SilberHome:
        painter.drawImage(0, 0, stoneSurface(size, kSlateDark, kSlateLight, 37u));
        drawRaisedEdge(painter, QRectF(0, 0, size, size), size * 0.05, 60);
        return;
    case CellGround::GoldHome:
        painter.drawImage(0, 0, stoneSurface(size, kPorphyryDark, kPorphyryLight, 41u));
        drawRaisedEdge(painter, QRectF(0, 0, size, size), size * 0.05, 60);
        return;
    case CellGround::PickedUp: {
        // Its own dark ground, so the picked-up piece stands out on any square or home cell.
        const QPointF centre(size / 2.0, size / 2.0);
        QRadialGradient ground(centre, size * 0.72);
        ground.setColorAt(0.0, QColor(28, 70, 92));
        ground.setColorAt(1.0, QColor(8, 20, 32));
        painter.fillRect(QRectF(0, 0, size, size), ground);
        // A halo just outside the piece's rim, with a crisp ring of light at its heart.
        QRadialGradient glow(centre, size * 0.50);
        glow.setColorAt(0.62, QColor(190, 248, 255, 255));
        glow.setColorAt(0.86, QColor(60, 190, 255, 230));
        glow.setColorAt(1.00, QColor(30, 120, 210, 0));
        painter.setPen(Qt::NoPen);
        painter.setBrush(glow);
        painter.drawEllipse(centre, size * 0.5, size * 0.5);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor(225, 252, 255), size * 0.03));
        painter.drawEllipse(centre, size * 0.43, size * 0.43);
        drawRaisedEdge(painter, QRectF(0, 0, size, size), size * 0.03, 45);
        return;
    }
    }
}

// A round recess in a home cell, where a piece rests.
void paintSocket(QPainter& painter, QPointF centre, double radius, const QColor& stone)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QRadialGradient hollow(centre + QPointF(radius * 0.2, radius * 0.25), radius * 1.1);
    hollow.setColorAt(0.0, blend(stone, Qt::black, 0.25));
    hollow.setColorAt(1.0, blend(stone, Qt::black, 0.65));
    painter.setPen(Qt::NoPen);
    painter.setBrush(hollow);
    painter.drawEllipse(centre, radius, radius);
    QLinearGradient edge(centre - QPointF(radius, radius), centre + QPointF(radius, radius));
    edge.setColorAt(0.0, QColor(0, 0, 0, 190));
    edge.setColorAt(0.5, QColor(0, 0, 0, 40));
    edge.setColorAt(1.0, QColor(255, 255, 255, 120));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QBrush(edge), radius * 0.10));
    painter.drawEllipse(centre, radius * 0.95, radius * 0.95);
    painter.restore();
}

} // namespace

const std::vector<CellPicture>& cellPictures()
{
    static const std::vector<CellPicture> pictures{
        {1, "EMPTY_ODD", CellGround::OddSquare, CellPiece::None},
        {2, "GOLD_HOME_EMPTY", CellGround::GoldHome, CellPiece::None},
        {4, "SILBER_HOME_EMPTY", CellGround::SilberHome, CellPiece::None},
        {5, "EMPTY_EVEN", CellGround::EvenSquare, CellPiece::None},
        {6, "SILBER_ODD", CellGround::OddSquare, CellPiece::Silber},
        {7, "SILBER_SELECTED", CellGround::PickedUp, CellPiece::Silber},
        {8, "SILBER_HOME", CellGround::SilberHome, CellPiece::Silber},
        {9, "SILBER_EVEN", CellGround::EvenSquare, CellPiece::Silber},
        {10, "GOLD_ODD", CellGround::OddSquare, CellPiece::Gold},
        {11, "GOLD_HOME", CellGround::GoldHome, CellPiece::Gold},
        {12, "GOLD_SELECTED", CellGround::PickedUp, CellPiece::Gold},
        {13, "GOLD_EVEN", CellGround::EvenSquare, CellPiece::Gold},
    };
    return pictures;
}

QString cellPictureFile(int code)
{
    return QStringLiteral("%1.bmp").arg(code, 2, 10, QLatin1Char('0'));
}

QImage drawCellPicture(const CellPicture& cell, int size)
{
    QImage image(size, size, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    paintGround(painter, cell.ground, size);

    const QPointF centre(size / 2.0, size / 2.0);
    if (cell.ground == CellGround::SilberHome)
        paintSocket(painter, centre, size * kSocketRadius, kSlateLight);
    else if (cell.ground == CellGround::GoldHome)
        paintSocket(painter, centre, size * kSocketRadius, kPorphyryLight);

    const bool pickedUp = cell.ground == CellGround::PickedUp;
    const double radius = size * kPieceRadius * (pickedUp ? 1.06 : 1.0);
    const QPointF lifted = pickedUp ? centre - QPointF(size * 0.015, size * 0.025) : centre;
    if (cell.piece == CellPiece::Silber)
        drawPiece(painter, lifted, radius, silverMetal(), pickedUp ? 1.0 : 0.0);
    else if (cell.piece == CellPiece::Gold)
        drawPiece(painter, lifted, radius, goldMetal(), pickedUp ? 1.0 : 0.0);
    return image;
}

} // namespace bramlow::assets
