#pragma once
// The end of a turn, in one place: after a move, or when the player clicks Image1. Either
// way ausgabe1 names the other player, Image1 is disabled and the prompt asks for the roll;
// the order of those steps differs, as the window shows them.

#include "engine/board.h"
#include "engine/window_view.h"

namespace bramlow {

// After an accepted move: the other player, Image1 disabled, "Bitte wuerfeln!".
void endTurnAfterMove(WindowView& view);

// Image1: "ende.wav", the other player, a piece in hand put back with the code it had before
// it was picked up, "Bitte wuerfeln!", Image1 disabled. After a win ausgabe1 names no player
// and stays.
void endTurnByLogo(WindowView& view, Board& board);

} // namespace bramlow
