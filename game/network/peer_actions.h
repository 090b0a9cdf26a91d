#pragma once
// A network peer's record lines applied to the game, checked like a click: only a line that
// is an action of the peer's own player, in the phase it belongs to, with the draw both
// sides agreed on, reaches the handlers; and the game must record exactly the line the peer
// sent. Anything else is refused with a German sentence, and a refused action leaves the
// game as it was.

#include "record/played_game.h"

#include <QString>

#include <optional>

namespace bramlow::network {

// The player to move, or none (the welcome, a win).
std::optional<Player> playerToMove(const PlayedGame& game);

// Whether a click on the die (or on "Neues Spiel") by `player` draws now: a new game may be
// started while no one is to move, a roll in the roll phase of the player's own turn.
bool drawDueFor(const PlayedGame& game, Player player, bool newGame);

// Applies `line` for `peer`; `agreedDraw` is the draw both sides agreed on last, not yet
// used. Empty when applied, else why not.
QString applyPeerLine(PlayedGame& game, Player peer, const QString& line, std::optional<float> agreedDraw);

} // namespace bramlow::network
