#pragma once
// "Tipp": in a person's select or destination phase, the move the computer would make at
// the level Stark is framed on the board for two seconds and told to a screen reader. The
// hint reads the game as it stands and changes nothing in it.

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <array>

#include <QFrame>

namespace bramlow {

class BramlowWindow;
class GameOptions;

class MoveHint : public QObject {
    Q_OBJECT
public:
    explicit MoveHint(const GameOptions& options);

    static constexpr int shownMilliseconds = 2000;

    // Frames the piece and its destination on `window`, or, without a legal move, only says
    // so; returns the text told, empty where no person is to choose (no game, the computer's
    // side, the roll phase).
    QString show(BramlowWindow& window);
    // The two frames, shown while a hint is; nullptr before the first hint.
    QFrame* frame(int i) const { return frames_[i]; }

private:
    const GameOptions& options_;
    QPointer<BramlowWindow> window_;
    std::array<QPointer<QFrame>, 2> frames_;
    QTimer timer_;
};

} // namespace bramlow
