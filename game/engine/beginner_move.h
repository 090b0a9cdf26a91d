#pragma once
// The computer as a beginner plays (the level Leicht): it takes a capture when it sees one,
// else it goes as far forward as the roll allows, and it never looks at what the opponent
// may answer. It never passes while a move exists.

#include "engine/position.h"

#include <optional>

namespace bramlow {

// Nothing only when no move is legal. Of the captures it takes the most advanced piece; of
// equal forward moves the piece nearest its start, as a beginner likes to bring out pieces.
std::optional<Move> beginnerMove(const Position& position, Player player, int roll);

} // namespace bramlow
