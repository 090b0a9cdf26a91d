#pragma once
// What assistive technology sees of the message line: static text under its caption that
// also offers the text itself, so a screen reader can read it by word or character and a
// braille display can show it, as it can the two text boxes beside it.

#include <QAccessibleWidget>

namespace bramlow {

class MessageLabel;

class MessageLabelAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit MessageLabelAccessible(MessageLabel* label);
    void* interface_cast(QAccessible::InterfaceType t) override;
    // Its name is the caption, as a label's is, not the title of the frame around it.
    QString text(QAccessible::Text t) const override;

    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* startOffset, int* endOffset) const override;

    // Makes every message line appear so; once per program.
    static void install();

private:
    QString caption() const;
};

} // namespace bramlow
