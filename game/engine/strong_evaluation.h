#pragma once
// The judgement of the level Stark: how likely the player about to roll is to win, from a
// dozen features of the position, combined by weights that tools/fit_evaluation fits by
// self-play (temporal differences) and writes into strong_weights.h.

#include "engine/position.h"

#include <array>

namespace bramlow {

inline constexpr int strongFeatureCount = 12;
using StrongFeatures = std::array<double, strongFeatureCount>;
using StrongWeights = std::array<double, strongFeatureCount>;

// The features for `mover`, who rolls next, against the other player, each about as large
// as 1 in ordinary positions (steps in tens):
//  0  1, for the advantage of rolling first;
//  1  the race (steps the other still needs minus own) over the square root of all steps
//     left: a lead of a few steps decides a short race and hardly matters in a long one;
//  2  the race in tens of steps;
//  3  what the mover expects to take with a capture on this roll;
//  4  the same for the other player on the roll after;
//  5  the progress of the other's pieces that the mover's pieces can still ever reach, minus
//     the same for the mover: what remains at stake after the next rolls;
//  6  the mover's exposure: each piece's progress times the chance that some roll of the
//     other lands on it, summed;
//  7  the other's exposure to the mover's roll, the same way;
//  8  the race as in 1 once no piece can ever meet another: then it is all that counts;
//  9  the mover's pieces still in the start row minus the other's, in eighths;
// 10  the mover's pieces in the target row minus the other's, in eighths;
// 11  the mover's pieces that the other can still ever reach minus the other's, in eighths.
StrongFeatures strongFeatures(const Position& position, Player mover);

// The chance, 0..1 exclusive, that `mover` wins, before their roll; the position is no win.
double winChance(const StrongFeatures& features, const StrongWeights& weights);

// The position's value for `me`, -1 (lost) .. 1 (won), when `toMove` rolls next.
double strongValue(const Position& position, Player me, Player toMove);

} // namespace bramlow
