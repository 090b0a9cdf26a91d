#pragma once
// Keyboard play: a layer over the whole form that takes the focus after the window's own
// keyboard order (Neu_but, ende, ausgabe1, ausgabe2). While it has the focus, a frame
// marks one stop (a cell, the die or the logo); the arrow keys move the frame to the
// nearest stop in their direction, N (Shift+N backwards) to the next stop where a click acts now, and Space
// or Return clicks the framed stop exactly as the mouse would. The layer lets every mouse event through to what lies below it. Its
// accessible name and description are those of the framed stop, so that a screen reader
// on the board hears where the frame is and what the stop shows after each key.

#include <QWidget>

#include <vector>

namespace bramlow {

class PictureBox;

class BoardKeyboard : public QWidget {
    Q_OBJECT
public:
    // `stops` lie on `form`; the frame starts on `first`, or on the first stop while
    // `first` is hidden.
    BoardKeyboard(QWidget* form, std::vector<PictureBox*> stops, PictureBox* first);

    // A stop shows something new (whoever clicked): while it is framed, the board says so.
    void stopChanged(PictureBox* stop);
    // The stops a click acts on now, which N walks through; while the board has the focus
    // and the frame is on none of them, it moves to the first.
    void setChoices(std::vector<PictureBox*> choices);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void frame(PictureBox* stop);
    PictureBox* nearestStop(QPoint direction) const;

    std::vector<PictureBox*> stops_;
    std::vector<PictureBox*> choices_;
    PictureBox* framed_;
};

} // namespace bramlow
