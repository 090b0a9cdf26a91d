#include "game_piece.h"

#include "surfaces.h"

#include <QConicalGradient>
#include <QPainter>
#include <QRadialGradient>

namespace bramlow::assets {

const Metal& silverMetal()
{
    static const Metal metal{QColor(255, 255, 255), QColor(226, 231, 237), QColor(166, 174, 184),
                             QColor(96, 104, 114), QColor(52, 57, 64)};
    return metal;
}

const Metal& goldMetal()
{
    static const Metal metal{QColor(255, 250, 214), QColor(250, 214, 96), QColor(214, 158, 30),
                             QColor(140, 92, 12), QColor(82, 52, 6)};
    return metal;
}

void drawPiece(QPainter& painter, QPointF centre, double radius, const Metal& metal, double lift)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);

    const QPointF shadowOffset(radius * (0.10 + 0.16 * lift), radius * (0.14 + 0.22 * lift));
    const double shadowRadius = radius * (1.0 + 0.04 * lift);
    drawSoftShadow(painter,
                   QRectF(centre + shadowOffset - QPointF(shadowRadius, shadowRadius),
                          QSizeF(2 * shadowRadius, 2 * shadowRadius)),
                   radius * (0.12 + 0.14 * lift), 170 - static_cast<int>(50 * lift));

    // Rim: a turned edge whose sheen moves round the circle.
    QConicalGradient rim(centre, 135.0);
    rim.setColorAt(0.00, metal.highlight);
    rim.setColorAt(0.12, metal.light);
    rim.setColorAt(0.30, metal.mid);
    rim.setColorAt(0.50, metal.deep);
    rim.setColorAt(0.68, metal.dark);
    rim.setColorAt(0.85, metal.mid);
    rim.setColorAt(1.00, metal.highlight);
    painter.setPen(QPen(metal.deep, radius * 0.045));
    painter.setBrush(rim);
    painter.drawEllipse(centre, radius, radius);

    // Face: slightly domed, brightest towards the light.
    const double face = radius * 0.80;
    QRadialGradient dome(centre, face, centre + QPointF(-face * 0.38, -face * 0.42));
    dome.setColorAt(0.00, metal.highlight);
    dome.setColorAt(0.30, metal.light);
    dome.setColorAt(0.75, metal.mid);
    dome.setColorAt(1.00, metal.dark);
    painter.setPen(QPen(blend(metal.deep, metal.dark, 0.4), radius * 0.05));
    painter.setBrush(dome);
    painter.drawEllipse(centre, face, face);

    // Engraved ring: shaded on the side away from the light, lit on the other.
    const double groove = radius * 0.42;
    QLinearGradient engraving(centre - QPointF(groove, groove), centre + QPointF(groove, groove));
    engraving.setColorAt(0.0, metal.deep);
    engraving.setColorAt(1.0, metal.highlight);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QBrush(engraving), radius * 0.07));
    painter.drawEllipse(centre, groove, groove);

    // Specular glint.
    const QPointF glint = centre + QPointF(-radius * 0.36, -radius * 0.40);
    QRadialGradient shine(glint, radius * 0.34);
    shine.setColorAt(0.0, QColor(255, 255, 255, 210));
    shine.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(shine);
    painter.drawEllipse(glint, radius * 0.34, radius * 0.26);

    painter.restore();
}

} // namespace bramlow::assets
