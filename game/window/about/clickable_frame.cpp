#include "window/about/clickable_frame.h"

#include <QMouseEvent>

namespace bramlow {

ClickableFrame::ClickableFrame(QWidget* parent)
    : QGroupBox(parent)
{
}

bool ClickableFrame::onFreeArea(const QPoint& pos) const
{
    return rect().contains(pos) && childAt(pos) == nullptr;
}

void ClickableFrame::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton && onFreeArea(event->position().toPoint());
    if (pressed_)
        event->accept();
    else
        QGroupBox::mousePressEvent(event);
}

void ClickableFrame::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton && onFreeArea(event->position().toPoint());
    pressed_ = false;
    if (!click) {
        QGroupBox::mouseReleaseEvent(event);
        return;
    }
    event->accept();
    emit clicked();
}

} // namespace bramlow
