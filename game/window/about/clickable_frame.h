#pragma once
// A frame without caption that reports a left click on its free area: a click on one of
// its child controls (or one that a child ignores and passes up) is not the frame's.

#include <QGroupBox>

namespace bramlow {

class ClickableFrame : public QGroupBox {
    Q_OBJECT
public:
    explicit ClickableFrame(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool onFreeArea(const QPoint& pos) const;

    bool pressed_ = false;
};

} // namespace bramlow
