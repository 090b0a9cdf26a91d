#include "logo_picture.h"

#include "game_piece.h"
#include "surfaces.h"

#include <QFont>
#include <QFontDatabase>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>

namespace bramlow::assets {

namespace {

// The board area in twips and where its four empty corner squares lie (870 twips square).
constexpr double kAreaWidth = 9000.0;
constexpr double kAreaHeight = 8760.0;
constexpr double kSquare = 870.0;
constexpr std::array<QPointF, 4> kCornerSquares{QPointF(360, 240), QPointF(7920, 240),
                                                QPointF(360, 7800), QPointF(7920, 7800)};

QPointF toLogo(QPointF twips)
{
    return {twips.x() * kLogoWidth / kAreaWidth, twips.y() * kLogoHeight / kAreaHeight};
}

const QColor kGoldLine(214, 172, 72);

QFont titleFont()
{
    // Liberation Serif ships with the game's font package; load the file directly as well, so
    // the title never falls back to another face when fontconfig is not set up.
    static const int id = QFontDatabase::addApplicationFont(
        QStringLiteral("/usr/share/fonts/truetype/liberation/LiberationSerif-BoldItalic.ttf"));
    QString family = QStringLiteral("Liberation Serif");
    if (id >= 0 && !QFontDatabase::applicationFontFamilies(id).isEmpty())
        family = QFontDatabase::applicationFontFamilies(id).constFirst();
    QFont font(family);
    font.setBold(true);
    font.setItalic(true);
    font.setPixelSize(200);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

void drawFrame(QPainter& painter)
{
    const QRectF outer(14, 14, kLogoWidth - 28, kLogoHeight - 28);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0, 0, 0, 90), 7));
    painter.drawRoundedRect(outer.translated(2, 3), 18, 18);
    painter.setPen(QPen(kGoldLine, 4));
    painter.drawRoundedRect(outer, 18, 18);
    painter.setPen(QPen(blend(kGoldLine, Qt::black, 0.25), 1.5));
    painter.drawRoundedRect(outer.adjusted(9, 9, -9, -9), 12, 12);
}

// An eight-pointed star of gold and silver points inside a ring.
void drawRosette(QPainter& painter, QPointF centre, double radius)
{
    painter.save();
    painter.translate(centre);
    drawSoftShadow(painter, QRectF(-radius + 3, -radius + 4, 2 * radius, 2 * radius), radius * 0.15, 140);
    QRadialGradient disc(QPointF(0, 0), radius);
    disc.setColorAt(0.0, QColor(24, 84, 56));
    disc.setColorAt(1.0, QColor(8, 40, 26));
    painter.setBrush(disc);
    painter.setPen(QPen(kGoldLine, radius * 0.07));
    painter.drawEllipse(QPointF(0, 0), radius, radius);
    for (int i = 0; i < 8; ++i) {
        const Metal& metal = i % 2 == 0 ? goldMetal() : silverMetal();
        const double length = radius * (i % 2 == 0 ? 0.82 : 0.62);
        QPainterPath point;
        point.moveTo(0, 0);
        point.lineTo(length * 0.22, -length * 0.22);
        point.lineTo(0, -length);
        point.lineTo(-length * 0.22, -length * 0.22);
        point.closeSubpath();
        QLinearGradient sheen(QPointF(-length * 0.22, 0), QPointF(length * 0.22, 0));
        sheen.setColorAt(0.0, metal.light);
        sheen.setColorAt(0.5, metal.mid);
        sheen.setColorAt(1.0, metal.dark);
        painter.setPen(QPen(metal.deep, 1.0));
        painter.setBrush(sheen);
        painter.save();
        painter.rotate(45.0 * i);
        painter.drawPath(point);
        painter.restore();
    }
    painter.setBrush(goldMetal().light);
    painter.setPen(QPen(goldMetal().deep, 1.0));
    painter.drawEllipse(QPointF(0, 0), radius * 0.11, radius * 0.11);
    painter.restore();
}

void drawTitle(QPainter& painter)
{
    const QFont font = titleFont();
    QPainterPath text;
    text.addText(0, 0, font, QStringLiteral("Bramlow"));
    const QRectF bounds = text.boundingRect();
    const double scale = (kLogoWidth * 0.78) / bounds.width();
    QTransform place;
    place.translate(kLogoWidth / 2.0, kLogoHeight * 0.42);
    place.scale(scale, scale);
    place.translate(-bounds.center().x(), -bounds.center().y());
    const QPainterPath title = place.map(text);
    const QRectF box = title.boundingRect();

    drawSoftShadow(painter, title.translated(6, 10), 9.0, 210);

    // Polished gold: bright top, a dark band across the middle, warm bottom.
    QLinearGradient gold(box.topLeft(), box.bottomLeft());
    gold.setColorAt(0.00, QColor(255, 247, 196));
    gold.setColorAt(0.30, QColor(250, 210, 90));
    gold.setColorAt(0.52, QColor(176, 118, 18));
    gold.setColorAt(0.56, QColor(238, 184, 60));
    gold.setColorAt(0.80, QColor(255, 226, 128));
    gold.setColorAt(1.00, QColor(160, 104, 16));
    painter.setPen(QPen(QColor(70, 40, 4), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(title);
    painter.fillPath(title, gold);
    // A thin lit edge on the upper left of every stroke.
    painter.save();
    painter.setClipPath(title);
    painter.setPen(QPen(QColor(255, 250, 220, 170), 2.5));
    painter.drawPath(title.translated(1.5, 2.0));
    painter.restore();
}

// Eight pieces under the title: the two colours meeting, as their paths cross on the board.
void drawPieceRow(QPainter& painter)
{
    const double radius = kLogoHeight * 0.038;
    const double pitch = radius * 2.7;
    const double y = kLogoHeight * 0.67;
    const double left = kLogoWidth / 2.0 - pitch * 3.5;
    for (int i = 0; i < 8; ++i)
        drawPiece(painter, QPointF(left + pitch * i, y), radius, i < 4 ? silverMetal() : goldMetal(), 0.0);

    painter.setPen(QPen(kGoldLine, 2.0));
    const double lineY = kLogoHeight * 0.595;
    painter.drawLine(QPointF(left - radius, lineY), QPointF(left + pitch * 7 + radius, lineY));
    QPainterPath diamond;
    const double d = 7;
    diamond.moveTo(kLogoWidth / 2.0, lineY - d);
    diamond.lineTo(kLogoWidth / 2.0 + d, lineY);
    diamond.lineTo(kLogoWidth / 2.0, lineY + d);
    diamond.lineTo(kLogoWidth / 2.0 - d, lineY);
    diamond.closeSubpath();
    painter.fillPath(diamond, kGoldLine);
}

} // namespace

QImage drawLogo()
{
    QImage image(kLogoWidth, kLogoHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.drawImage(0, 0, baizeSurface(kLogoWidth, kLogoHeight, 5u));
    drawFrame(painter);
    for (const QPointF& corner : kCornerSquares) {
        const QPointF centre = toLogo(corner + QPointF(kSquare / 2.0, kSquare / 2.0));
        drawRosette(painter, centre, kLogoHeight * kSquare / kAreaHeight * 0.40);
    }
    drawTitle(painter);
    drawPieceRow(painter);
    return image;
}

} // namespace bramlow::assets
