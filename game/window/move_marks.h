#pragma once
// A thin frame around the source and the destination of the move just made by the
// computer or a network peer, so that a player sees what changed; it stays until the
// next action. A layer over the whole form that takes no clicks and no focus.

#include <QRect>
#include <QWidget>

#include <vector>

namespace bramlow {

class MoveMarks : public QWidget {
    Q_OBJECT
public:
    explicit MoveMarks(QWidget* form);

    // Frames these widgets (children of the form) until clear().
    void mark(std::vector<QWidget*> cells);
    void clear();
    const std::vector<QWidget*>& marked() const { return cells_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<QWidget*> cells_;
};

} // namespace bramlow
