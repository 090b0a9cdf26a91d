#pragma once
// What assistive technology sees of a picture box: a button under the name the window
// gives it, whose press action clicks it exactly as the mouse would (so nothing while it
// is disabled or hidden). A screen reader can so play the game without the keyboard frame.

#include <QAccessibleWidget>

namespace bramlow {

class PictureBox;

class PictureBoxAccessible : public QAccessibleWidget {
public:
    explicit PictureBoxAccessible(PictureBox* box);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

    // Makes every picture box appear so; once per program, however many windows it opens.
    static void install();

    // The name read whenever a screen reader asks, without telling it of the change: a
    // new game renames all 96 cells at once, and Orca drops the events that follow so
    // many (the announcement of the new game among them).
    static void setQuietName(PictureBox* box, const QString& name);
    // That name, or the widget's accessible name while it has none.
    static QString nameOf(const PictureBox* box);
    // The keyboard's frame is on the box while the board has the focus: the box then
    // reports the focus itself, so that a screen reader and a magnifier follow the frame.
    static void setFramed(PictureBox* box, bool framed);
};

} // namespace bramlow
