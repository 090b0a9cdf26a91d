#pragma once
// Procedural surfaces for the board, the home cells and the green baize behind everything.

#include <QColor>
#include <QImage>
#include <QRectF>

#include <cstdint>

class QPainter;
class QPainterPath;

namespace bramlow::assets {

struct WoodTone {
    QColor earlywood; // the pale bands
    QColor latewood;  // the dark bands
};

enum class GrainDirection { Horizontal, Vertical };

QImage woodSurface(int size, const WoodTone& tone, GrainDirection direction, std::uint32_t seed);

// Polished stone with faint veins, for the home cells.
QImage stoneSurface(int size, const QColor& dark, const QColor& light, std::uint32_t seed);

// Green card-table baize, darkening towards the edges.
QImage baizeSurface(int width, int height, std::uint32_t seed);

// Raised tile edge: light along the top and left, shade along the bottom and right.
void drawRaisedEdge(QPainter& painter, const QRectF& rect, double width, int strength);

// A blurred dark copy of `shape`, for shadows under pieces, the die and the title.
void drawSoftShadow(QPainter& painter, const QPainterPath& shape, double blur, int alpha);
// The same for an ellipse in `rect`, or a rounded rectangle when cornerRadius >= 0.
void drawSoftShadow(QPainter& painter, const QRectF& rect, double blur, int alpha, double cornerRadius = -1);

QColor blend(const QColor& a, const QColor& b, double t);

} // namespace bramlow::assets
