#pragma once
// The computer at the main window: on a side it plays, it clicks the die, its piece and
// the destination through the window's handlers, exactly where a person's mouse clicks
// arrive, one click per step with a pause between steps for a watcher to follow. In the
// demo it also starts each game, the next one a few seconds after a win.
//
// Every step looks afresh at the options and the window's texts, so an entry switched on
// or off mid-turn takes effect at the next step, and the rest of the turn belongs to
// whoever plays that side then. No step is taken while `held` says so (the about screen
// is open).

#include "engine/computer_player.h"
#include "sides/side.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <chrono>
#include <functional>
#include <optional>

namespace bramlow {

class BramlowWindow;
class GameOptions;
class Sides;

class ComputerTurns : public QObject, public Side {
    Q_OBJECT
public:
    ComputerTurns(GameOptions& options, std::function<bool()> held);

    // The window to play at; the program has one main window at a time.
    void follow(BramlowWindow* window) override;
    SideKind kind() const override { return SideKind::computer; }
    // The computer acts for a player only while the sides give it that player.
    void sitAt(const Sides* sides) { sides_ = sides; }

    // Pauses after a step: with sound, without sound (the step's sounds are over either
    // way, since Play returns only when they are taken), and after a win in the demo.
    struct Pauses {
        std::chrono::milliseconds withSound{500};
        std::chrono::milliseconds silent{150};
        std::chrono::milliseconds afterWin{4000};
    };
    void setPauses(const Pauses& pauses) { pauses_ = pauses; }

signals:
    // The computer has made one click, and its handler has returned.
    void stepped();

private:
    void followOptions();
    void takeStep();
    // Makes the computer's next click, if it has one; returns whether it clicked.
    bool clickOnce();
    void clickCell(const CellClick& cell);
    std::chrono::milliseconds stepPause() const;

    bool plays(Player player) const;

    GameOptions& options_;
    const Sides* sides_ = nullptr;
    std::function<bool()> held_;
    QPointer<BramlowWindow> window_;
    QTimer timer_;
    Pauses pauses_;
    // Chosen after the roll; its destination is clicked once its piece is picked up.
    std::optional<ComputerMove> plan_;
    // The move whose destination was clicked in this destination phase.
    std::optional<ComputerMove> clicked_;
};

} // namespace bramlow
