#pragma once
// The one place that decides who acts for Silber and for Gold: a network peer where one is
// seated, else the computer where the options say so, else the person at this window. The
// window asks it before taking a person's click on the die, the logo or a cell, and refuses
// the click for a side that is not the person's; a new game stays the person's to start.

#include "side.h"

#include "engine/player.h"

#include <QObject>
#include <QPointer>

#include <optional>

namespace bramlow {

class GameOptions;

class Sides : public QObject {
    Q_OBJECT
public:
    Sides(GameOptions& options, Side& computer);

    SideKind kind(Player player) const;
    // The person may act while no player is to move (the welcome, a win) or their own is.
    bool personMayAct(std::optional<Player> toMove) const { return !toMove || kind(*toMove) == SideKind::person; }
    // Exactly one side is the computer's and the other the person's: undo is offered.
    std::optional<Player> personAgainstComputer() const;

    // Network play: `peer` acts for `player` until seated with nullptr.
    void seatPeer(Player player, Side* peer);

    void follow(BramlowWindow* window);
    void actionTaken(const RecordEntries& lines);

signals:
    // A side changed hands (an option, a peer came or went).
    void changed();

private:
    GameOptions& options_;
    Side& computer_;
    Side* peers_[2] = {nullptr, nullptr};
    QPointer<BramlowWindow> window_;
};

} // namespace bramlow
