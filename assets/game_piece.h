#pragma once
// The players' pieces: round metal tokens seen from above, lit from the upper left.

#include <QColor>
#include <QPointF>

class QPainter;

namespace bramlow::assets {

struct Metal {
    QColor highlight;
    QColor light;
    QColor mid;
    QColor dark;
    QColor deep;
};

const Metal& silverMetal();
const Metal& goldMetal();

// `lift` 0 is a piece lying on its square; 1 is a piece picked up (longer, softer shadow).
void drawPiece(QPainter& painter, QPointF centre, double radius, const Metal& metal, double lift);

} // namespace bramlow::assets
