#include "program_icon.h"

#include "game_piece.h"
#include "surfaces.h"

#include <QPainter>
#include <QPainterPath>

namespace bramlow::assets {

QImage drawProgramIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    // Small icons get a 2 x 2 board and no frame detail; larger ones a 3 x 3 board.
    const bool tiny = size < 32;
    const int squares = tiny ? 2 : 3;
    const double inset = size * (tiny ? 0.02 : 0.04);
    const QRectF tile(inset, inset, size - 2 * inset, size - 2 * inset);
    const double corner = size * 0.16;

    QPainterPath outline;
    outline.addRoundedRect(tile, corner, corner);
    QLinearGradient frame(tile.topLeft(), tile.bottomRight());
    frame.setColorAt(0.0, QColor(44, 120, 78));
    frame.setColorAt(1.0, QColor(10, 50, 32));
    painter.fillPath(outline, frame);

    const double border = tile.width() * (tiny ? 0.08 : 0.10);
    const QRectF board = tile.adjusted(border, border, -border, -border);
    const double cell = board.width() / squares;
    painter.save();
    painter.setClipPath(outline);
    for (int row = 0; row < squares; ++row) {
        for (int column = 0; column < squares; ++column) {
            // The pieces stand in two corners; on the 2 x 2 board they must leave the dark
            // squares visible, or the board reads as one light patch.
            const bool dark = (row + column) % 2 == 0;
            painter.fillRect(QRectF(board.left() + column * cell, board.top() + row * cell, cell, cell),
                             dark ? QColor(110, 66, 34) : QColor(232, 196, 138));
        }
    }
    painter.restore();
    painter.setPen(QPen(QColor(214, 172, 72), std::max(1.0, size / 40.0)));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(board);

    // Silver bottom left, gold top right: the two paths across the board.
    const double radius = cell * (tiny ? 0.46 : 0.42);
    const QPointF silver(board.left() + cell * 0.5, board.bottom() - cell * 0.5);
    const QPointF gold(board.right() - cell * 0.5, board.top() + cell * 0.5);
    drawPiece(painter, silver, radius, silverMetal(), 0.0);
    drawPiece(painter, gold, radius, goldMetal(), 0.0);

    painter.setPen(QPen(QColor(6, 30, 18), std::max(1.0, size / 64.0)));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(outline);
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace bramlow::assets
