#include "board_keyboard.h"

#include "picture_box_accessible.h"
#include "window/media/picture_box.h"

#include <QKeyEvent>
#include <QPainter>

#include <algorithm>
#include <limits>

namespace bramlow {

BoardKeyboard::BoardKeyboard(QWidget* form, std::vector<PictureBox*> stops, PictureBox* first)
    : QWidget(form)
    , stops_(std::move(stops))
    , framed_(first)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(QStringLiteral("Spielbrett"));
}

void BoardKeyboard::focusInEvent(QFocusEvent* event)
{
    // The die is hidden until the first game: the frame starts on a cell then.
    frame(framed_->isVisible() ? framed_ : stops_.front());
    QWidget::focusInEvent(event);
}

void BoardKeyboard::focusOutEvent(QFocusEvent* event)
{
    PictureBoxAccessible::setFramed(framed_, false);
    update();
    QWidget::focusOutEvent(event);
}

void BoardKeyboard::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left: frame(nearestStop({-1, 0})); break;
    case Qt::Key_Right: frame(nearestStop({1, 0})); break;
    case Qt::Key_Up: frame(nearestStop({0, -1})); break;
    case Qt::Key_Down: frame(nearestStop({0, 1})); break;
    case Qt::Key_N: {
        // Shift+N walks backwards.
        if (choices_.empty())
            return;
        const auto count = static_cast<std::ptrdiff_t>(choices_.size());
        const auto at = std::find(choices_.begin(), choices_.end(), framed_) - choices_.begin();
        const std::ptrdiff_t step = event->modifiers() & Qt::ShiftModifier ? count - 1 : 1;
        frame(choices_[static_cast<std::size_t>(at == count ? 0 : (at + step) % count)]);
        break;
    }
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter: framed_->click(); break;
    default: QWidget::keyPressEvent(event); return;
    }
    event->accept();
}

// The stop whose centre lies ahead in `direction` at the least cost, a step sideways
// counting three times a step ahead: on the grid that is the neighbour, right of the
// board the nearer of the die and the logo, and between those two the other one. The
// framed stop itself when nothing lies ahead.
PictureBox* BoardKeyboard::nearestStop(QPoint direction) const
{
    const QPoint from = framed_->geometry().center();
    PictureBox* best = framed_;
    int bestCost = std::numeric_limits<int>::max();
    for (PictureBox* stop : stops_) {
        const QPoint offset = stop->geometry().center() - from;
        const int ahead = offset.x() * direction.x() + offset.y() * direction.y();
        const int aside = std::abs(offset.x() * direction.y() - offset.y() * direction.x());
        if (ahead <= 0 || !stop->isVisible() || ahead + 3 * aside >= bestCost)
            continue;
        best = stop;
        bestCost = ahead + 3 * aside;
    }
    return best;
}

void BoardKeyboard::setChoices(std::vector<PictureBox*> choices)
{
    choices_ = std::move(choices);
    if (hasFocus() && !choices_.empty() && std::find(choices_.begin(), choices_.end(), framed_) == choices_.end())
        frame(choices_.front());
}

void BoardKeyboard::stopChanged(PictureBox* stop)
{
    if (stop == framed_)
        frame(stop);
}

void BoardKeyboard::frame(PictureBox* stop)
{
    PictureBoxAccessible::setFramed(framed_, false);
    framed_ = stop;
    update();
    // The focus moves on to the framed stop itself once Qt has given it to the board, which
    // it does after this when the board has just received it.
    QMetaObject::invokeMethod(
        this, [this, stop] {
            if (hasFocus() && framed_ == stop)
                PictureBoxAccessible::setFramed(stop, true);
        },
        Qt::QueuedConnection);
    // The board, which has the focus, speaks for the framed stop: a screen reader reads a
    // change of the focused object's name at once.
    setAccessibleName(PictureBoxAccessible::nameOf(stop));
    setAccessibleDescription(stop->accessibleDescription());
}

void BoardKeyboard::paintEvent(QPaintEvent*)
{
    if (!hasFocus() || !framed_->isVisible())
        return;
    // Yellow between two black lines stands out on every square, piece and picture.
    QPainter painter(this);
    QRect ring = framed_->geometry().adjusted(1, 1, -2, -2);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(ring);
    painter.setPen(QPen(QColor(255, 214, 0), 1));
    for (int line = 0; line < 3; ++line)
        painter.drawRect(ring.adjusted(line + 1, line + 1, -line - 1, -line - 1));
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(ring.adjusted(4, 4, -4, -4));
}

} // namespace bramlow
