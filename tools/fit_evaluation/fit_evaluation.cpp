// Fits the weights of the level Stark's judgement (game/engine/strong_evaluation.h) by
// self-play: a challenger whose one weight is moved up or down plays the current weights,
// each taking the move its judgement likes best one move deep, sides alternating and both
// on the same dice; a challenger that wins clearly more than half becomes the current
// weights. Every weight in turn, `sweeps` times with the steps halved each time; then the
// weights are written as C++ into `output`. The dice are seeded, so a rerun gives the same.
//
// Run (a few minutes on one core):
//   build/release/tools/fit_evaluation/fit_evaluation [games] [sweeps] [output]
// defaults: 2000 games a trial, 2 sweeps, game/engine/strong_weights.h in the current folder.
#include "engine/position.h"
#include "engine/strong_evaluation.h"
#include "engine/strong_weights.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>

namespace bramlow {
namespace {

constexpr int turnCap = 3'000;

Position startPosition()
{
    Position position;
    for (std::int16_t k = 1; k <= 8; ++k) {
        position.put(Cell{'s', 1, k}, Occupant::silber);
        position.put(Cell{'g', 1, k}, Occupant::gold);
    }
    return position;
}

// The die as the game rolls it: 1..5 each 5/27, the 6 2/27.
int roll(std::mt19937& generator)
{
    for (;;) {
        const int face = static_cast<int>(static_cast<float>(generator() >> 8) * (1.0f / 16777216.0f) * 5.4 + 1.0);
        if (face <= 6)
            return face;
    }
}

// The move after which the opponent, about to roll, is least likely to win.
Move chosen(const Position& position, Player mover, const MoveList& moves, const StrongWeights& weights)
{
    Move best = moves[0];
    double bestChance = -1.0;
    for (const Move move : moves) {
        Position after = position;
        after.play(mover, move);
        const double chance = after.hasWon(mover) ? 1.0 : 1.0 - winChance(strongFeatures(after, opponentOf(mover)), weights);
        if (chance > bestChance) {
            bestChance = chance;
            best = move;
        }
    }
    return best;
}

// The challenger's share of `games` won against the current weights; an unfinished game
// counts half.
double share(const StrongWeights& challenger, const StrongWeights& current, int games)
{
    double won = 0.0;
    for (int game = 0; game < games; ++game) {
        std::mt19937 dice(1'000'003u * game + 7u);
        Position position = startPosition();
        const Player challengerSide = game % 2 == 0 ? Player::silber : Player::gold;
        Player mover = game / 2 % 2 == 0 ? Player::silber : Player::gold;
        double result = 0.5;
        for (int turn = 0; turn < turnCap; ++turn) {
            const MoveList moves = position.legalMoves(mover, roll(dice));
            if (!moves.empty()) {
                position.play(mover, chosen(position, mover, moves, mover == challengerSide ? challenger : current));
                if (position.hasWon(mover)) {
                    result = mover == challengerSide ? 1.0 : 0.0;
                    break;
                }
            }
            mover = opponentOf(mover);
        }
        won += result;
    }
    return won / games;
}

} // namespace
} // namespace bramlow

int main(int argc, char** argv)
{
    using namespace bramlow;
    const int games = argc > 1 ? std::atoi(argv[1]) : 2000;
    const int sweeps = argc > 2 ? std::atoi(argv[2]) : 2;
    const std::string output = argc > 3 ? argv[3] : "game/engine/strong_weights.h";
    if (games < 2 || sweeps < 1) {
        std::fprintf(stderr, "fit_evaluation: at least 2 games and 1 sweep\n");
        return 2;
    }
    StrongWeights weights = strongWeights;
    // A challenger must win this share to replace the current weights: about two standard
    // errors above a half, so that luck of the dice rarely moves a weight.
    const double needed = 0.5 + 1.0 / std::sqrt(static_cast<double>(games));
    double step = 0.4;
    for (int sweep = 1; sweep <= sweeps; ++sweep, step /= 2) {
        for (int i = 1; i < strongFeatureCount; ++i) {
            for (const double delta : {step, -step}) {
                StrongWeights challenger = weights;
                challenger[i] += delta;
                const double won = share(challenger, weights, games);
                std::printf("sweep %d, weight %d %+.3f: challenger wins %.1f %%%s\n", sweep, i, delta, 100 * won,
                            won >= needed ? ", taken" : "");
                std::fflush(stdout);
                if (won >= needed) {
                    weights = challenger;
                    break;
                }
            }
        }
    }
    std::ofstream out(output);
    if (!out) {
        std::fprintf(stderr, "fit_evaluation: cannot write %s\n", output.c_str());
        return 1;
    }
    out << "#pragma once\n"
        << "// Written by tools/fit_evaluation (" << games << " games a trial, " << sweeps
        << " sweeps); rerun it rather than edit by hand.\n"
        << "#include <array>\nnamespace bramlow {\ninline constexpr std::array<double, 6> strongWeights = {";
    for (int i = 0; i < strongFeatureCount; ++i)
        out << (i ? ", " : "") << weights[i];
    out << "};\n} // namespace bramlow\n";
    std::printf("written to %s\n", output.c_str());
    return 0;
}
