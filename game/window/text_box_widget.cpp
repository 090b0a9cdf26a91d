#include "text_box_widget.h"

#include <QTextBlockFormat>
#include <QTextCursor>

namespace bramlow {

TextBoxWidget::TextBoxWidget(QWidget* parent)
    : QTextEdit(parent)
{
    setReadOnly(true);
    setAcceptRichText(false);
    setTabChangesFocus(true);
    // Read-only, yet part of the keyboard order, as the window's tab order asks.
    setFocusPolicy(Qt::StrongFocus);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setLineWrapMode(QTextEdit::WidgetWidth);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Qt's own menu (Copy, Select All) would be English; the box needs none.
    setContextMenuPolicy(Qt::PreventContextMenu);
}

void TextBoxWidget::setText(const std::string& text, bool display)
{
    text_ = text;
    if (!display)
        return;
    QString shown = QString::fromStdString(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    setPlainText(shown);

    QTextCursor cursor(document());
    cursor.select(QTextCursor::Document);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    cursor.mergeBlockFormat(centred);
}

} // namespace bramlow
