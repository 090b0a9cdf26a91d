#pragma once
// The judgement of the level Stark: how likely the player about to roll is to win, from a
// dozen features of the position and where each piece stands, combined by a small neural
// network (one hidden layer) whose weights tools/fit_evaluation fits by self-play (temporal
// differences) and writes into strong_weights.h.

#include "engine/position.h"

#include <array>
#include <cstdint>

namespace bramlow {

inline constexpr int strongFeatureCount = 12;
using StrongFeatures = std::array<double, strongFeatureCount>;

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

// The network's inputs: the features, and the squares of both players' pieces as seen by
// the mover. Seen by the mover, Gold's board is Silber's mirrored on the diagonal, so one
// set of weights serves both: the mover always goes from column 0 to column 9.
inline constexpr int strongHidden = 32;
inline constexpr int strongSquareInputs = 200; // the mover's pieces 0..99, the other's 100..199

struct StrongInput {
    StrongFeatures features{};
    // Which square inputs are 1, the rest being 0: sixteen in a game, up to all 96 cells in
    // a grid written wildly.
    std::array<std::uint8_t, 96> squares{};
    int squareCount = 0;
};

StrongInput strongInput(const Position& position, Player mover);

// Chance = logistic(linear . features + output . hidden), hidden = softsign(feature x
// features + the rows of `square` for the pieces' squares).
struct StrongNetwork {
    std::array<double, strongFeatureCount> linear{};
    std::array<std::array<float, strongHidden>, strongFeatureCount> feature{};
    std::array<std::array<float, strongHidden>, strongSquareInputs> square{};
    std::array<double, strongHidden> output{};
};

// The hidden layer's sums before the softsign, for the fitting tool.
using StrongHidden = std::array<float, strongHidden>;

// The chance, 0..1 exclusive, that `mover` wins, before their roll; the position is no win.
// `sums`, when given, receives the hidden layer's sums.
double winChance(const StrongInput& input, const StrongNetwork& network, StrongHidden* sums = nullptr);

// The position's value for `me`, -1 (lost) .. 1 (won), when `toMove` rolls next.
double strongValue(const Position& position, Player me, Player toMove);

} // namespace bramlow
