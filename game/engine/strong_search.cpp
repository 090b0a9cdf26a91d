#include "engine/strong_search.h"

#include "engine/die.h"
#include "engine/strong_evaluation.h"

#include <algorithm>
#include <array>
#include <utility>

namespace bramlow {

namespace {

constexpr double lost = -1.0, won = 1.0;

struct Ranked {
    double value; // for `me`, the judgement right after the move
    Move move;
};

class StrongSearch {
public:
    StrongSearch(Player me, const StrongSettings& settings) : me_(me), settings_(settings) {}

    // The moves of `mover` for `roll`, each with the value right after it, best for the
    // mover first; a winning move is worth the whole.
    int rank(const Position& position, Player mover, int roll, std::array<Ranked, MoveList::capacity>& out) const
    {
        const MoveList moves = position.legalMoves(mover, roll);
        for (int i = 0; i < moves.size(); ++i) {
            Position after = position;
            after.play(mover, moves[i]);
            out[i] = {strongValue(after, me_, opponentOf(mover)), moves[i]};
        }
        const bool mine = mover == me_;
        std::stable_sort(out.begin(), out.begin() + moves.size(), [mine](const Ranked& a, const Ranked& b) {
            return mine ? a.value > b.value : a.value < b.value;
        });
        return moves.size();
    }

    // `toMove` is about to roll, `depth` moves remain; the value is exact inside
    // (alpha, beta), at most alpha when it is no more, at least beta when it is no less.
    double chance(const Position& position, Player toMove, int depth, double alpha, double beta) const
    {
        if (depth == 0)
            return strongValue(position, me_, toMove);
        static const std::array<double, 7> odds = {0.0, faceOdds(1), faceOdds(2), faceOdds(3),
                                                   faceOdds(4), faceOdds(5), faceOdds(6)};
        double sum = 0.0, left = 1.0;
        for (int face = 1; face <= 6; ++face) {
            const double p = odds[face];
            left -= p;
            // What this roll must reach for the whole to stay inside the window, if the rolls
            // still to come were all as good or as bad as can be.
            const double low = (alpha - sum - won * left) / p;
            const double high = (beta - sum - lost * left) / p;
            const double value = choice(position, toMove, face, depth, std::max(low, lost), std::min(high, won));
            if (value <= low)
                return sum + p * value + won * left;
            if (value >= high)
                return sum + p * value + lost * left;
            sum += p * value;
        }
        return sum;
    }

    // `toMove` has rolled `roll` and takes their best move; with none the turn passes.
    double choice(const Position& position, Player toMove, int roll, int depth, double alpha, double beta) const
    {
        std::array<Ranked, MoveList::capacity> ranked;
        const int count = rank(position, toMove, roll, ranked);
        if (count == 0)
            return chance(position, opponentOf(toMove), depth - 1, alpha, beta);
        const bool mine = toMove == me_;
        // The last move before the judgement: the ranking is the answer.
        if (depth == 1)
            return ranked[0].value;
        const int width = std::min(count, settings_.innerWidth);
        double best = mine ? lost : won;
        for (int i = 0; i < width; ++i) {
            const double value = valueAfter(position, toMove, ranked[i].move, depth, alpha, beta);
            if (mine) {
                best = std::max(best, value);
                alpha = std::max(alpha, value);
            } else {
                best = std::min(best, value);
                beta = std::min(beta, value);
            }
            if (alpha >= beta)
                break;
        }
        return best;
    }

    double valueAfter(const Position& position, Player mover, Move move, int depth, double alpha, double beta) const
    {
        Position after = position;
        after.play(mover, move);
        if (after.hasWon(mover))
            return mover == me_ ? won : lost;
        return chance(after, opponentOf(mover), depth - 1, alpha, beta);
    }

private:
    Player me_;
    const StrongSettings& settings_;
};

} // namespace

std::optional<Move> strongMove(const Position& position, Player player, int roll, const StrongSettings& settings)
{
    const StrongSearch search(player, settings);
    std::array<Ranked, MoveList::capacity> ranked;
    const int count = search.rank(position, player, roll, ranked);
    if (count == 0)
        return std::nullopt;
    const int depth = std::max(settings.depth, 1);
    if (depth == 1 || count == 1)
        return ranked[0].move;
    const int width = std::min(count, std::max(settings.rootWidth, 1));
    Move best = ranked[0].move;
    double bestValue = lost;
    for (int i = 0; i < width; ++i) {
        // Only a move better than the best so far matters: the window starts there.
        const double value = search.valueAfter(position, player, ranked[i].move, depth, i == 0 ? lost : bestValue, won);
        if (i == 0 || value > bestValue) {
            bestValue = value;
            best = ranked[i].move;
        }
    }
    return best;
}

} // namespace bramlow
