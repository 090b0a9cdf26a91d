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

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

    // Makes every picture box appear so; once per program, however many windows it opens.
    static void install();
};

} // namespace bramlow
