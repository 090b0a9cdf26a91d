#include "engine/beginner_move.h"

namespace bramlow {

std::optional<Move> beginnerMove(const Position& position, Player player, int roll)
{
    const MoveList moves = position.legalMoves(player, roll);
    if (moves.empty())
        return std::nullopt;
    const Player other = opponentOf(player);
    auto score = [&](Move move) {
        // Steps forward, plus the opponent's steps lost to a capture straight ahead (a
        // beginner looks along the piece's own line and misses captures to the side); of
        // equal moves the piece furthest ahead, as a beginner runs with one piece.
        const bool straight = progress(other, move.to) == progress(other, move.from);
        const int captured = straight && position.pieces(other).contains(move.to) ? progress(other, move.to) : 0;
        return (progress(player, move.to) - progress(player, move.from) + captured) * 10 + progress(player, move.from);
    };
    Move best = moves[0];
    int bestScore = score(best);
    for (const Move move : moves) {
        const int value = score(move);
        if (value > bestScore) {
            best = move;
            bestScore = value;
        }
    }
    return best;
}

} // namespace bramlow
