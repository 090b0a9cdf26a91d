#pragma once
// The computer's search: every move for the roll in hand, then the opponent's rolls with the
// die's real odds and the opponent's best answer to each, and so on to a fixed depth, where
// the evaluation judges the position.

#include "engine/computer_evaluation.h"
#include "engine/position.h"

#include <optional>

namespace bramlow {

struct SearchSettings {
    // Moves looked at in turn: 1 judges the position right after the own move, 2 also
    // every roll of the opponent and their best answer to it.
    int depth = 2;
    // Of the own moves, how many of the best by a one-move look are searched to `depth`.
    int candidates = 8;
    EvaluationWeights weights;
};

// The move with the highest expected value for `player`, who has rolled `roll`; nothing
// when no move is legal. Of equal moves the first found is kept, so the choice is the same
// every time.
std::optional<Move> bestMove(const Position& position, Player player, int roll, const SearchSettings& settings = {});

} // namespace bramlow
