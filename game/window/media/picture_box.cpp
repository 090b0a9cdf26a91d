#include "window/media/picture_box.h"

#include <QMouseEvent>
#include <QPainter>

namespace bramlow {

PictureBox::PictureBox(QWidget* parent, bool border, int index)
    : QWidget(parent)
    , border_(border)
    , index_(index)
{
}

void PictureBox::setPictureAndRefresh(const QPixmap& picture)
{
    picture_ = picture;
    repaint();
}

void PictureBox::paintEvent(QPaintEvent*)
{
    // No background of its own: an empty box lets whatever lies behind it show through.
    QPainter painter(this);
    QRect target = rect();
    if (border_) {
        // The border keeps its colour when the box is disabled (the logo between turns).
        painter.setPen(palette().color(QPalette::Active, QPalette::WindowText));
        painter.drawRect(target.adjusted(0, 0, -1, -1));
        target.adjust(1, 1, -1, -1);
    }
    if (!picture_.isNull() && !target.isEmpty())
        painter.drawPixmap(target, picture_);
}

void PictureBox::mousePressEvent(QMouseEvent* event)
{
    // Taking the press keeps a click on the picture from reaching the widget behind it.
    if (event->button() == Qt::LeftButton)
        event->accept();
    else
        QWidget::mousePressEvent(event);
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    event->accept();
    // A press inside that is released outside is no click.
    if (rect().contains(event->position().toPoint()))
        click();
}

void PictureBox::click()
{
    if (isEnabled() && isVisible())
        emit clicked(index_);
}

} // namespace bramlow
