#include "move_marks.h"

#include <QPainter>

namespace bramlow {

MoveMarks::MoveMarks(QWidget* form)
    : QWidget(form)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setObjectName(QStringLiteral("moveMarks"));
}

void MoveMarks::mark(std::vector<QWidget*> cells)
{
    cells_ = std::move(cells);
    update();
}

void MoveMarks::clear()
{
    if (cells_.empty())
        return;
    cells_.clear();
    update();
}

void MoveMarks::paintEvent(QPaintEvent*)
{
    // Orange inside a black line: thinner than the keyboard's yellow frame and unlike it,
    // and seen on pale and dark squares alike.
    QPainter painter(this);
    for (const QWidget* cell : cells_) {
        const QRect ring = cell->geometry().adjusted(2, 2, -3, -3);
        painter.setPen(QPen(Qt::black, 1));
        painter.drawRect(ring);
        painter.setPen(QPen(QColor(255, 120, 0), 2));
        painter.drawRect(ring.adjusted(2, 2, -1, -1));
    }
}

} // namespace bramlow
