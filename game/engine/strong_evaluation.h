#pragma once
// The judgement of the level Stark: how likely the player about to roll is to win, from a
// few features of the position, combined by weights that tools/fit_evaluation fits by
// self-play and writes into strong_weights.h.

#include "engine/position.h"

#include <array>

namespace bramlow {

inline constexpr int strongFeatureCount = 6;
using StrongFeatures = std::array<double, strongFeatureCount>;
using StrongWeights = std::array<double, strongFeatureCount>;

// The features for `mover`, who rolls next, against the other player, each about as large
// as 1 in ordinary positions:
//  0  1, for the advantage of rolling first;
//  1  the race (steps the other still needs minus own) over the square root of all steps
//     left: a lead of a few steps decides a short race and hardly matters in a long one;
//  2  the race in tens of steps;
//  3  what the mover expects to take with a capture on this roll, in tens of steps;
//  4  the same for the other player on the roll after;
//  5  the progress of the other's pieces that the mover's pieces can still ever reach, minus
//     the same for the mover, in tens of steps: what remains at stake after the next rolls.
StrongFeatures strongFeatures(const Position& position, Player mover);

// The chance, 0..1 exclusive, that `mover` wins, before their roll; the position is no win.
double winChance(const StrongFeatures& features, const StrongWeights& weights);

// The position's value for `me`, -1 (lost) .. 1 (won), when `toMove` rolls next.
double strongValue(const Position& position, Player me, Player toMove);

} // namespace bramlow
