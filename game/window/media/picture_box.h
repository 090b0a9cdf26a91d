#pragma once
// A picture control: paints its pixmap stretched to its own size, optionally with a
// single-line border, and reports clicks with the Index it carries (-1 outside arrays).
// A disabled or hidden box raises no click.

#include <QPixmap>
#include <QWidget>

namespace bramlow {

class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr, bool border = false, int index = -1);

    int index() const { return index_; }

    // Shows `picture` and repaints at once, so the change is visible while the caller's
    // handler is still running.
    void setPictureAndRefresh(const QPixmap& picture);
    const QPixmap& picture() const { return picture_; }

    // A click from the keyboard: the same as the mouse's, so nothing while disabled or hidden.
    void click();

signals:
    void clicked(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPixmap picture_;
    bool border_;
    int index_;
};

} // namespace bramlow
