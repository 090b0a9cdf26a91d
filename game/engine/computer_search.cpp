#include "engine/computer_search.h"

#include "engine/die.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace bramlow {

namespace {

class Search {
public:
    Search(Player me, const SearchSettings& settings) : me_(me), settings_(settings) {}

    // `toMove` is about to roll; `depth` moves remain to be looked at.
    double expected(const Position& position, Player toMove, int depth) const
    {
        if (depth == 0)
            return evaluate(position, me_, toMove, settings_.weights);
        static const std::array<double, 7> odds = {0.0, faceOdds(1), faceOdds(2), faceOdds(3),
                                                   faceOdds(4), faceOdds(5), faceOdds(6)};
        double sum = 0.0;
        for (int face = 1; face <= 6; ++face)
            sum += odds[face] * choice(position, toMove, face, depth);
        return sum;
    }

    // `toMove` has rolled `roll` and takes the move best for them; with no move the turn
    // passes unchanged.
    double choice(const Position& position, Player toMove, int roll, int depth) const
    {
        const MoveList moves = position.legalMoves(toMove, roll);
        if (moves.empty())
            return expected(position, opponentOf(toMove), depth - 1);
        const bool mine = toMove == me_;
        double best = mine ? -2 * wonValue : 2 * wonValue;
        for (const Move move : moves) {
            const double value = valueOf(position, toMove, move, depth);
            best = mine ? std::max(best, value) : std::min(best, value);
        }
        return best;
    }

    double valueOf(const Position& position, Player mover, Move move, int depth) const
    {
        Position after = position;
        after.play(mover, move);
        if (after.hasWon(mover))
            return mover == me_ ? wonValue : -wonValue;
        return expected(after, opponentOf(mover), depth - 1);
    }

private:
    Player me_;
    const SearchSettings& settings_;
};

} // namespace

std::optional<Move> bestMove(const Position& position, Player player, int roll, const SearchSettings& settings)
{
    const MoveList moves = position.legalMoves(player, roll);
    if (moves.empty())
        return std::nullopt;
    const Search search(player, settings);
    const int depth = std::max(settings.depth, 1);
    // Every move judged one move deep, best first; of equal ones the first found stays first.
    std::vector<std::pair<double, Move>> ranked;
    ranked.reserve(moves.size());
    for (const Move move : moves)
        ranked.emplace_back(search.valueOf(position, player, move, 1), move);
    std::stable_sort(ranked.begin(), ranked.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    if (depth == 1)
        return ranked.front().second;
    // Only the most promising are looked at deeper: the rest rarely win there, and each
    // costs every roll and every answer of the opponent.
    const std::size_t kept = std::min(ranked.size(), static_cast<std::size_t>(std::max(settings.candidates, 1)));
    Move best = ranked.front().second;
    double bestValue = -2 * wonValue;
    for (std::size_t i = 0; i < kept; ++i) {
        const double value = search.valueOf(position, player, ranked[i].second, depth);
        if (value > bestValue) {
            bestValue = value;
            best = ranked[i].second;
        }
    }
    return best;
}

} // namespace bramlow
