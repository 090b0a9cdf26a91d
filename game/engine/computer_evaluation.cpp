#include "engine/computer_evaluation.h"

#include "engine/die.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace bramlow {

namespace {

// Up or down for Silber, left or right for Gold.
int lane(Player player, Square square) { return player == Player::silber ? square / 10 : square % 10; }

const SquareSet& boardSquares()
{
    static const SquareSet board = [] {
        SquareSet all;
        for (int row = 1; row <= 8; ++row) {
            for (int column = 1; column <= 8; ++column)
                all.insert(static_cast<Square>(row * 10 + column));
        }
        return all;
    }();
    return board;
}

} // namespace

double expectedCapture(const Position& position, Player hunter, double bonus)
{
    const Player prey = opponentOf(hunter);
    const SquareSet targets = position.pieces(prey) & boardSquares();
    if (targets.empty())
        return 0.0;
    std::array<int, 7> best{};
    position.pieces(hunter).without(targetRow(hunter)).forEach([&](Square from) {
        const auto& reach = Position::reachByRoll(hunter, from);
        if ((reach[0] & targets).empty())
            return;
        for (int face = 1; face <= 6; ++face) {
            (reach[face] & targets).forEach([&](Square to) {
                best[face] = std::max(best[face], progress(prey, to));
            });
        }
    });
    static const std::array<double, 7> odds = {0.0, faceOdds(1), faceOdds(2), faceOdds(3),
                                               faceOdds(4), faceOdds(5), faceOdds(6)};
    double expected = 0.0;
    for (int face = 1; face <= 6; ++face) {
        if (best[face] > 0)
            expected += odds[face] * (best[face] + bonus);
    }
    return expected;
}

int stepsToGo(const Position& position, Player player)
{
    std::array<int, frameSquares> lanes; // the first `travelling` are used
    int travelling = 0, steps = 0;
    position.pieces(player).without(targetRow(player)).forEach([&](Square square) {
        steps += 9 - progress(player, square);
        lanes[travelling++] = lane(player, square);
    });
    std::array<int, 8> freeTargets{};
    int free = 0;
    targetRow(player).without(position.pieces(player)).forEach([&](Square square) {
        freeTargets[free++] = lane(player, square);
    });
    // Pairing both sorted lists is the cheapest way to fill the free cells.
    std::sort(lanes.begin(), lanes.begin() + travelling);
    for (int i = 0; i < std::min(travelling, free); ++i)
        steps += std::abs(lanes[i] - freeTargets[i]);
    return steps;
}

double evaluate(const Position& position, Player me, Player toMove, const EvaluationWeights& weights)
{
    const Player other = opponentOf(me);
    if (position.hasWon(me))
        return wonValue;
    if (position.hasWon(other))
        return -wonValue;
    double value = weights.race * (stepsToGo(position, other) - stepsToGo(position, me));
    if (weights.nextCapture == 0.0 && weights.laterCapture == 0.0)
        return value;
    const double myChance = expectedCapture(position, me, weights.captureBonus);
    const double theirChance = expectedCapture(position, other, weights.captureBonus);
    if (toMove == me)
        value += weights.nextCapture * myChance - weights.laterCapture * theirChance;
    else
        value += weights.laterCapture * myChance - weights.nextCapture * theirChance;
    return value;
}

} // namespace bramlow
