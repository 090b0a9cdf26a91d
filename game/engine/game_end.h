#pragma once
// The end of a game: a player whose eight pieces fill their target row (s21..s28 for
// Silber, g21..g28 for Gold) has won.

#include "engine/board.h"
#include "engine/window_view.h"

#include <string>

namespace bramlow {

// Runs after every accepted choice and every move: Silber's row first, then Gold's,
// always both. Only the target rows count, wherever the other pieces stand.
void winTest(const Board& board, WindowView& view);

// Empties the prompt, which stops the turn phases, announces `spieler` ("Silber" or
// "Gold") in ausgabe1 and plays "winner.wav". Board, die, Image1 and the message line stay.
void SUB_Fertig(WindowView& view, const std::string& spieler);

} // namespace bramlow
