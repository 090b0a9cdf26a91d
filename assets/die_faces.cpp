#include "die_faces.h"

#include "surfaces.h"

#include <QPainter>
#include <QRadialGradient>

#include <vector>

namespace bramlow::assets {

namespace {

// Pip places on a 3 x 3 grid, -1..1 in each direction.
std::vector<QPointF> pipPlaces(int pips)
{
    switch (pips) {
    case 1: return {{0, 0}};
    case 2: return {{-1, -1}, {1, 1}};
    case 3: return {{-1, -1}, {0, 0}, {1, 1}};
    case 4: return {{-1, -1}, {1, -1}, {-1, 1}, {1, 1}};
    case 5: return {{-1, -1}, {1, -1}, {0, 0}, {-1, 1}, {1, 1}};
    default: return {{-1, -1}, {1, -1}, {-1, 0}, {1, 0}, {-1, 1}, {1, 1}};
    }
}

void drawPip(QPainter& painter, QPointF centre, double radius, const QColor& ink)
{
    // A drilled hollow: the upper-left inner edge in shadow, the lower-right catching light.
    QLinearGradient rim(centre - QPointF(radius, radius), centre + QPointF(radius, radius));
    rim.setColorAt(0.0, QColor(120, 110, 95));
    rim.setColorAt(1.0, QColor(255, 255, 250));
    painter.setPen(Qt::NoPen);
    painter.setBrush(rim);
    painter.drawEllipse(centre, radius * 1.12, radius * 1.12);
    QRadialGradient hollow(centre + QPointF(radius * 0.25, radius * 0.3), radius);
    hollow.setColorAt(0.0, ink.lighter(140));
    hollow.setColorAt(1.0, ink.darker(180));
    painter.setBrush(hollow);
    painter.drawEllipse(centre, radius, radius);
}

} // namespace

QString dieFaceFile(int pips)
{
    return QStringLiteral("wuerfel%1.bmp").arg(pips);
}

QImage drawDieFace(int pips, int height)
{
    const int width = height * 4 / 3;
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.drawImage(0, 0, baizeSurface(width, height, 77u));

    const double side = height * 0.80;
    const QRectF body(QPointF((width - side) / 2.0, (height - side) / 2.0 - height * 0.015), QSizeF(side, side));
    const double corner = side * 0.17;
    drawSoftShadow(painter, body.translated(side * 0.05, side * 0.07), side * 0.06, 150, corner);

    // Ivory body; the rounded cube edge shows as a slightly darker band around the face.
    QLinearGradient edge(body.topLeft(), body.bottomRight());
    edge.setColorAt(0.0, QColor(255, 253, 244));
    edge.setColorAt(0.5, QColor(228, 221, 200));
    edge.setColorAt(1.0, QColor(168, 158, 134));
    painter.setPen(QPen(QColor(110, 100, 82), side * 0.012));
    painter.setBrush(edge);
    painter.drawRoundedRect(body, corner, corner);

    const QRectF face = body.adjusted(side * 0.06, side * 0.06, -side * 0.06, -side * 0.06);
    QRadialGradient ivory(face.center(), face.width() * 0.75, face.topLeft() + QPointF(face.width() * 0.3, face.height() * 0.25));
    ivory.setColorAt(0.0, QColor(255, 254, 249));
    ivory.setColorAt(1.0, QColor(236, 230, 212));
    painter.setPen(Qt::NoPen);
    painter.setBrush(ivory);
    painter.drawRoundedRect(face, corner * 0.8, corner * 0.8);

    // A lone pip is large and red, as on a traditional die.
    const double spacing = face.width() * 0.29;
    const bool single = pips == 1;
    const double radius = face.width() * (single ? 0.13 : 0.085);
    const QColor ink = single ? QColor(190, 24, 30) : QColor(34, 30, 28);
    for (const QPointF& place : pipPlaces(pips))
        drawPip(painter, face.center() + place * spacing, radius, ink);
    return image;
}

} // namespace bramlow::assets
