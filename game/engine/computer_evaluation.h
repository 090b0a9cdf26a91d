#pragma once
// How good a position is for one player, in steps of the race: the computer's search looks
// at the positions a few moves ahead and keeps the move whose expected value is highest.

#include "engine/position.h"

namespace bramlow {

// The parts of the judgement, each weighed, so that weaker players can be built for
// comparison (a benchmark shows what each part is worth).
struct EvaluationWeights {
    double race = 1.0; // steps the opponent still needs minus own steps
    double nextCapture = 1.0; // expected steps the player to move takes from the other with a capture
    double laterCapture = 0.5; // the same for the other player, who rolls a move later
    double captureBonus = 2.0; // steps beyond the captured piece's own progress: the turn it loses
};

// What a win is worth: more than any race can be.
inline constexpr double wonValue = 10'000.0;

// Steps `player` still needs: the distance of each piece to its target row, and how far
// up or down the pieces must go to fill its free cells (the closest pairing).
int stepsToGo(const Position& position, Player player);

// The steps `hunter` can expect to take from the other player with its next roll: for each
// face, the progress of the most advanced piece it can land on plus `bonus`, weighed by the
// face's odds.
double expectedCapture(const Position& position, Player hunter, double bonus);

// The position's value for `me` when `toMove` rolls next.
double evaluate(const Position& position, Player me, Player toMove, const EvaluationWeights& weights);

} // namespace bramlow
