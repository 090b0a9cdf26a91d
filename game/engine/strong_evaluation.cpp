#include "engine/strong_evaluation.h"

#include "engine/computer_evaluation.h"
#include "engine/die.h"
#include "engine/strong_weights.h"

#include <algorithm>
#include <cmath>

namespace bramlow {

namespace {

struct Reach {
    int progress = 0; // of the prey's pieces that some hunter can still land on some day
    int pieces = 0; // how many those are
};

// What of `prey`'s board pieces a piece of `hunter` can still land on: a hunter never goes
// back, so a piece is out of reach once every hunter outside its target row has passed it.
Reach reachable(const Position& position, Player hunter)
{
    const Player prey = opponentOf(hunter);
    int slowest = 9;
    position.pieces(hunter).without(targetRow(hunter)).forEach([&](Square square) {
        slowest = std::min(slowest, progress(hunter, square));
    });
    Reach reach;
    position.pieces(prey).without(targetRow(prey)).forEach([&](Square square) {
        // Silber's progress is the column, which is Gold's lane, and the other way round.
        const int along = progress(hunter, square);
        const int own = progress(prey, square);
        if (own > 0 && along >= slowest) {
            reach.progress += own;
            ++reach.pieces;
        }
    });
    return reach;
}

// The progress of `prey`'s pieces, each times the chance that `hunter`'s next roll can land
// on it.
double exposure(const Position& position, Player hunter)
{
    const Player prey = opponentOf(hunter);
    const SquareSet targets = position.pieces(prey).without(targetRow(prey));
    std::array<SquareSet, 7> hits{};
    position.pieces(hunter).without(targetRow(hunter)).forEach([&](Square from) {
        const auto& reach = Position::reachByRoll(hunter, from);
        if ((reach[0] & targets).empty())
            return;
        for (int face = 1; face <= 6; ++face)
            hits[face] = hits[face] | (reach[face] & targets);
    });
    static const std::array<double, 7> odds = {0.0, faceOdds(1), faceOdds(2), faceOdds(3),
                                               faceOdds(4), faceOdds(5), faceOdds(6)};
    double sum = 0.0;
    (hits[1] | hits[2] | hits[3] | hits[4] | hits[5] | hits[6]).forEach([&](Square square) {
        double chance = 0.0;
        for (int face = 1; face <= 6; ++face)
            chance += hits[face].contains(square) ? odds[face] : 0.0;
        sum += chance * progress(prey, square);
    });
    return sum;
}

int startCount(const Position& position, Player player)
{
    int count = 0;
    position.pieces(player).forEach([&](Square square) { count += progress(player, square) == 0; });
    return count;
}

} // namespace

StrongFeatures strongFeatures(const Position& position, Player mover)
{
    const Player other = opponentOf(mover);
    const int moverSteps = stepsToGo(position, mover);
    const int otherSteps = stepsToGo(position, other);
    const double race = otherSteps - moverSteps;
    const double scaledRace = race / std::sqrt(moverSteps + otherSteps + 4.0);
    const Reach moverHunts = reachable(position, mover), otherHunts = reachable(position, other);
    const bool apart = moverHunts.pieces == 0 && otherHunts.pieces == 0;
    return {1.0,
            scaledRace,
            race / 10.0,
            expectedCapture(position, mover, 0.0) / 10.0,
            expectedCapture(position, other, 0.0) / 10.0,
            (moverHunts.progress - otherHunts.progress) / 10.0,
            exposure(position, other) / 10.0,
            exposure(position, mover) / 10.0,
            apart ? scaledRace : 0.0,
            (startCount(position, mover) - startCount(position, other)) / 8.0,
            ((position.pieces(mover) & targetRow(mover)).size() - (position.pieces(other) & targetRow(other)).size()) / 8.0,
            (otherHunts.pieces - moverHunts.pieces) / 8.0};
}

namespace {

// The square as the mover sees it: Gold's view is mirrored on the diagonal, so that the
// mover's way always runs along the columns.
std::uint8_t seenBy(Player mover, Square square)
{
    return static_cast<std::uint8_t>(mover == Player::silber ? square : square % 10 * 10 + square / 10);
}

} // namespace

StrongInput strongInput(const Position& position, Player mover)
{
    StrongInput input;
    input.features = strongFeatures(position, mover);
    position.pieces(mover).forEach([&](Square square) { input.squares[input.squareCount++] = seenBy(mover, square); });
    position.pieces(opponentOf(mover)).forEach([&](Square square) {
        input.squares[input.squareCount++] = static_cast<std::uint8_t>(100 + seenBy(mover, square));
    });
    return input;
}

double winChance(const StrongInput& input, const StrongNetwork& network, StrongHidden* sums)
{
    StrongHidden hidden{};
    for (int f = 0; f < strongFeatureCount; ++f) {
        const float x = static_cast<float>(input.features[f]);
        for (int j = 0; j < strongHidden; ++j)
            hidden[j] += x * network.feature[f][j];
    }
    for (int i = 0; i < input.squareCount; ++i) {
        const auto& row = network.square[input.squares[i]];
        for (int j = 0; j < strongHidden; ++j)
            hidden[j] += row[j];
    }
    if (sums)
        *sums = hidden;
    double sum = 0.0;
    for (int f = 0; f < strongFeatureCount; ++f)
        sum += network.linear[f] * input.features[f];
    for (int j = 0; j < strongHidden; ++j)
        sum += network.output[j] * (hidden[j] / (1.0f + std::abs(hidden[j])));
    // Kept off 0 and 1, so that only a won game is worth the whole.
    return std::clamp(1.0 / (1.0 + std::exp(-sum)), 1e-6, 1.0 - 1e-6);
}

double strongValue(const Position& position, Player me, Player toMove)
{
    if (position.hasWon(me))
        return 1.0;
    if (position.hasWon(opponentOf(me)))
        return -1.0;
    const double moverValue = 2.0 * winChance(strongInput(position, toMove), strongNetwork) - 1.0;
    return toMove == me ? moverValue : -moverValue;
}

} // namespace bramlow
