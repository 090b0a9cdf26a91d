#include "message_label.h"

#include "message_label_accessible.h"

#include <QPainter>

namespace bramlow {

namespace {

constexpr int kLayout = Qt::AlignCenter | Qt::TextWordWrap;
// Below this the text could no longer be read anyway; it is drawn as it is.
constexpr double kSmallestPoints = 5.0;

} // namespace

MessageLabel::MessageLabel(QWidget* parent)
    : QLabel(parent)
{
    MessageLabelAccessible::install();
    setAlignment(Qt::AlignCenter);
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
}

void MessageLabel::paintEvent(QPaintEvent*)
{
    // The label's own font stays as designed (the auto-size control scales it); only the
    // type drawn now shrinks, in steps of a tenth, when the text would be cut off.
    const QRect box = contentsRect();
    QFont type = font();
    while (type.pointSizeF() > kSmallestPoints
           && !box.contains(QFontMetrics(type, this).boundingRect(box, kLayout, text())))
        type.setPointSizeF(type.pointSizeF() * 0.9);
    QPainter painter(this);
    painter.setFont(type);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(box, kLayout, text());
}

} // namespace bramlow
