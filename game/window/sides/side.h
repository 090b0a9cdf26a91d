#pragma once
// Who acts for a player. The person at this window needs no object: a side without one is
// theirs. The computer (computer_turns.h) and a network peer implement this interface and
// are seated in Sides (sides.h). A side acts only by calling the window's handlers
// (BramlowWindow::wuerfel_Click, b_Click, ..., supplying draws through window->draws() where
// they come from outside), exactly where a person's click arrives, so the texts, sounds and
// pictures follow from the actions and every action lands in the game record.
//
//   class PeerSide : public QObject, public Side {
//       SideKind kind() const override { return SideKind::peer; }
//       void follow(BramlowWindow* window) override { window_ = window; }
//       void actionTaken(const RecordEntries& lines) override { send(lines); } // ours and theirs
//   };
//   sides.seatPeer(Player::gold, &peer);   // nullptr gives Gold back to the person

#include "record/record_format.h"

namespace bramlow {

class BramlowWindow;

enum class SideKind { person, computer, peer };

class Side {
public:
    virtual ~Side() = default;
    virtual SideKind kind() const = 0;
    // The window to act at; nullptr while none is open. Called again for every new window.
    virtual void follow(BramlowWindow* window) = 0;
    // An action was taken at the window, by any side, and recorded as `lines` (the action,
    // maybe a check value); not called while a record is replayed.
    virtual void actionTaken(const RecordEntries& lines) { (void)lines; }
};

} // namespace bramlow
