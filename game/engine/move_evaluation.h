#pragma once
// Every click on a cell ends here. In the select phase it picks up one of the current
// player's pieces; in the destination phase it judges the destination, moves the piece,
// sends a knocked-out piece home, runs the win test and hands the turn over. Clicks in any
// other phase are ignored without a sound.

#include "engine/board.h"
#include "engine/window_view.h"

#include <cstdint>
#include <string>

namespace bramlow {

// `feld` names the clicked cell; `wurf` is the last roll, the exact distance to cover.
void auswertung(const std::string& feld, std::int16_t wurf, Board& board, WindowView& view);
void auswertung(const Cell& cell, std::int16_t wurf, Board& board, WindowView& view);

} // namespace bramlow
