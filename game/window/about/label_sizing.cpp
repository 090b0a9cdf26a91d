#include "window/about/label_sizing.h"

#include <QLabel>

namespace bramlow {

void sizeLabelToText(QLabel* label, const QRect& designed)
{
    if (label->wordWrap()) {
        label->setGeometry(designed.left(), designed.top(), designed.width(), label->heightForWidth(designed.width()));
        return;
    }
    const QSize text = label->sizeHint();
    int left = designed.left();
    const Qt::Alignment horizontal = label->alignment() & Qt::AlignHorizontal_Mask;
    if (horizontal & Qt::AlignRight)
        left = designed.left() + designed.width() - text.width();
    else if (horizontal & Qt::AlignHCenter)
        left = designed.left() + (designed.width() - text.width()) / 2;
    label->setGeometry(left, designed.top(), text.width(), text.height());
}

} // namespace bramlow
