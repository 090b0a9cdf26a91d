#include "engine/strong_evaluation.h"

#include "engine/computer_evaluation.h"
#include "engine/strong_weights.h"

#include <algorithm>
#include <cmath>

namespace bramlow {

namespace {

// The progress of `prey`'s board pieces that a piece of `hunter` can still land on some
// day: a hunter never goes back, so a piece is out of reach once every hunter outside its
// target row has passed it.
int reachableProgress(const Position& position, Player hunter)
{
    const Player prey = opponentOf(hunter);
    int slowest = 9;
    position.pieces(hunter).without(targetRow(hunter)).forEach([&](Square square) {
        slowest = std::min(slowest, progress(hunter, square));
    });
    int atStake = 0;
    position.pieces(prey).without(targetRow(prey)).forEach([&](Square square) {
        // Silber's progress is the column, which is Gold's lane, and the other way round.
        const int along = progress(hunter, square);
        const int own = progress(prey, square);
        if (own > 0 && along >= slowest)
            atStake += own;
    });
    return atStake;
}

} // namespace

StrongFeatures strongFeatures(const Position& position, Player mover)
{
    const Player other = opponentOf(mover);
    const int moverSteps = stepsToGo(position, mover);
    const int otherSteps = stepsToGo(position, other);
    const double race = otherSteps - moverSteps;
    return {1.0,
            race / std::sqrt(moverSteps + otherSteps + 4.0),
            race / 10.0,
            expectedCapture(position, mover, 0.0) / 10.0,
            expectedCapture(position, other, 0.0) / 10.0,
            (reachableProgress(position, mover) - reachableProgress(position, other)) / 10.0};
}

double winChance(const StrongFeatures& features, const StrongWeights& weights)
{
    double sum = 0.0;
    for (int i = 0; i < strongFeatureCount; ++i)
        sum += weights[i] * features[i];
    // Kept off 0 and 1, so that only a won game is worth the whole.
    return std::clamp(1.0 / (1.0 + std::exp(-sum)), 1e-6, 1.0 - 1e-6);
}

double strongValue(const Position& position, Player me, Player toMove)
{
    if (position.hasWon(me))
        return 1.0;
    if (position.hasWon(opponentOf(me)))
        return -1.0;
    const double moverValue = 2.0 * winChance(strongFeatures(position, toMove), strongWeights) - 1.0;
    return toMove == me ? moverValue : -moverValue;
}

} // namespace bramlow
