#pragma once
// Entries of the menu "Spiel": "Tipp" (key T), the move the level Stark would make, framed for two
// seconds, and "Statistik", the games won and lost against the computer per level.

#include "game_statistics.h"
#include "move_hint.h"

#include <QObject>

namespace bramlow {

class BramlowWindow;
class GameOptions;

class GameMenu : public QObject {
    Q_OBJECT
public:
    explicit GameMenu(const GameOptions& options) : hint_(options), statistics_(options) {}

    // Puts the menu behind the first menu of `window` and counts its games.
    void attach(BramlowWindow* window);

    MoveHint& hint() { return hint_; }
    GameStatistics& statistics() { return statistics_; }

private:
    MoveHint hint_;
    GameStatistics statistics_;
};

} // namespace bramlow
