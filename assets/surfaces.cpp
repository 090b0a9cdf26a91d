#include "surfaces.h"

#include "noise.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace bramlow::assets {

namespace {

int clampByte(double v) { return std::clamp(static_cast<int>(std::lround(v)), 0, 255); }

QRgb mixRgb(const QColor& a, const QColor& b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return qRgb(clampByte(a.red() + (b.red() - a.red()) * t),
                clampByte(a.green() + (b.green() - a.green()) * t),
                clampByte(a.blue() + (b.blue() - a.blue()) * t));
}

QRgb scaleRgb(QRgb c, double f)
{
    return qRgb(clampByte(qRed(c) * f), clampByte(qGreen(c) * f), clampByte(qBlue(c) * f));
}

// Three passes of a box blur approximate a Gaussian; only alpha matters for shadows.
void blurAlpha(QImage& image, int radius)
{
    if (radius < 1)
        return;
    const int w = image.width();
    const int h = image.height();
    std::vector<int> line(static_cast<std::size_t>(std::max(w, h)));
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < h; ++y) {
            auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < w; ++x)
                line[x] = qAlpha(row[x]);
            for (int x = 0; x < w; ++x) {
                int sum = 0;
                for (int k = -radius; k <= radius; ++k)
                    sum += line[std::clamp(x + k, 0, w - 1)];
                row[x] = qRgba(0, 0, 0, sum / (2 * radius + 1));
            }
        }
        for (int x = 0; x < w; ++x) {
            for (int y = 0; y < h; ++y)
                line[y] = qAlpha(reinterpret_cast<const QRgb*>(image.constScanLine(y))[x]);
            for (int y = 0; y < h; ++y) {
                int sum = 0;
                for (int k = -radius; k <= radius; ++k)
                    sum += line[std::clamp(y + k, 0, h - 1)];
                reinterpret_cast<QRgb*>(image.scanLine(y))[x] = qRgba(0, 0, 0, sum / (2 * radius + 1));
            }
        }
    }
}

} // namespace

QColor blend(const QColor& a, const QColor& b, double t)
{
    return QColor(mixRgb(a, b, t));
}

QImage woodSurface(int size, const WoodTone& tone, GrainDirection direction, std::uint32_t seed)
{
    QImage image(size, size, QImage::Format_RGB32);
    for (int py = 0; py < size; ++py) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(py));
        for (int px = 0; px < size; ++px) {
            // u runs along the grain, v across it.
            const double u = (direction == GrainDirection::Horizontal ? px : py) / double(size);
            const double v = (direction == GrainDirection::Horizontal ? py : px) / double(size);
            const double warp = fractalNoise(u * 1.6, v * 3.0, 4, seed) * 2.2;
            const double rings = 0.5 + 0.5 * std::sin(2.0 * std::numbers::pi * (v * 4.5 + warp));
            const double bands = std::pow(rings, 2.2);
            const double fibres = fractalNoise(u * 3.0, v * 90.0, 3, seed + 7u);
            const double pores = valueNoise(u * 60.0, v * 160.0, seed + 13u);
            const double shade = std::clamp(0.15 + 0.55 * bands + 0.35 * (fibres - 0.5) + 0.12 * (pores - 0.5), 0.0, 1.0);
            row[px] = mixRgb(tone.earlywood, tone.latewood, shade);
        }
    }
    return image;
}

QImage stoneSurface(int size, const QColor& dark, const QColor& light, std::uint32_t seed)
{
    QImage image(size, size, QImage::Format_RGB32);
    for (int py = 0; py < size; ++py) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(py));
        for (int px = 0; px < size; ++px) {
            const double x = px / double(size);
            const double y = py / double(size);
            const double cloud = fractalNoise(x * 3.0, y * 3.0, 5, seed);
            const double warp = fractalNoise(x * 2.0 + 5.0, y * 2.0, 4, seed + 3u);
            const double vein = std::pow(1.0 - std::abs(std::sin((x * 1.3 + y * 2.1 + warp * 2.5) * std::numbers::pi * 2.0)), 10.0);
            const double grain = valueNoise(x * 90.0, y * 90.0, seed + 9u);
            const double shade = std::clamp(0.25 + 0.6 * (cloud - 0.3) + 0.08 * (grain - 0.5), 0.0, 1.0);
            const QRgb base = mixRgb(dark, light, shade);
            row[px] = scaleRgb(base, 1.0 + 0.16 * vein);
        }
    }
    return image;
}

QImage baizeSurface(int width, int height, std::uint32_t seed)
{
    const QColor deep(10, 52, 34);
    const QColor bright(34, 104, 66);
    QImage image(width, height, QImage::Format_RGB32);
    const double cx = width / 2.0;
    const double cy = height / 2.0;
    const double reach = std::hypot(cx, cy);
    for (int py = 0; py < height; ++py) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(py));
        for (int px = 0; px < width; ++px) {
            const double cloud = fractalNoise(px / 140.0, py / 140.0, 4, seed);
            const double nap = latticeValue(px, py, seed + 5u);
            const double distance = std::hypot(px - cx, py - cy) / reach;
            const double light = 0.78 - 0.55 * distance * distance + 0.25 * (cloud - 0.5) + 0.10 * (nap - 0.5);
            row[px] = mixRgb(deep, bright, light);
        }
    }
    return image;
}

void drawRaisedEdge(QPainter& painter, const QRectF& rect, double width, int strength)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    const int steps = std::max(1, static_cast<int>(std::ceil(width)));
    for (int i = 0; i < steps; ++i) {
        const double fade = 1.0 - double(i) / steps;
        const QRectF r = rect.adjusted(i, i, -i, -i);
        painter.setBrush(QColor(255, 255, 255, static_cast<int>(strength * fade)));
        painter.drawRect(QRectF(r.left(), r.top(), r.width(), 1.0));
        painter.drawRect(QRectF(r.left(), r.top() + 1.0, 1.0, r.height() - 1.0));
        painter.setBrush(QColor(0, 0, 0, static_cast<int>(strength * 1.3 * fade)));
        painter.drawRect(QRectF(r.left() + 1.0, r.bottom() - 1.0, r.width() - 1.0, 1.0));
        painter.drawRect(QRectF(r.right() - 1.0, r.top() + 1.0, 1.0, r.height() - 2.0));
    }
    painter.restore();
}

void drawSoftShadow(QPainter& painter, const QPainterPath& shape, double blur, int alpha)
{
    const int margin = static_cast<int>(std::ceil(blur * 2.0)) + 2;
    const QRect bounds = shape.boundingRect().toAlignedRect().adjusted(-margin, -margin, margin, margin);
    QImage shadow(bounds.size(), QImage::Format_ARGB32);
    shadow.fill(Qt::transparent);
    {
        QPainter p(&shadow);
        p.setRenderHint(QPainter::Antialiasing);
        p.fillPath(shape.translated(-bounds.topLeft()), QColor(0, 0, 0, alpha));
    }
    blurAlpha(shadow, std::max(1, static_cast<int>(std::lround(blur / 1.7))));
    painter.drawImage(bounds.topLeft(), shadow);
}

void drawSoftShadow(QPainter& painter, const QRectF& rect, double blur, int alpha, double cornerRadius)
{
    QPainterPath shape;
    if (cornerRadius < 0)
        shape.addEllipse(rect);
    else
        shape.addRoundedRect(rect, cornerRadius, cornerRadius);
    drawSoftShadow(painter, shape, blur, alpha);
}

} // namespace bramlow::assets
