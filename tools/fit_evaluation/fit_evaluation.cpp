// Fits the weights of the level Stark's judgement (game/engine/strong_evaluation.h) by
// self-play with temporal differences: both sides take the move that the current weights
// like best one move deep, and after every turn the chance judged before the roll is moved
// towards the chance judged after the move (or the result, once a game is won). The chance
// is a logistic of the weighted features, so each step is the error times the features. The
// learning rate falls linearly over the games, so that the last games settle the weights;
// then the weights are written as C++ into `output`. The dice are seeded and the start is
// fixed, so a rerun gives the same weights.
//
// Run (a few minutes on one core):
//   build/release/tools/fit_evaluation/fit_evaluation [games] [output]
// defaults: 100000 games, game/engine/strong_weights.h in the current folder.
#include "engine/position.h"
#include "engine/strong_evaluation.h"

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

struct Choice {
    Move move;
    double moverChance = 0.0; // the mover's chance after the move, 1 for a win
    StrongFeatures next{}; // the features for the other player, who rolls next
};

// The move after which the other player, about to roll, is least likely to win.
Choice chosen(const Position& position, Player mover, const MoveList& moves, const StrongWeights& weights)
{
    Choice best{moves[0], -1.0, {}};
    for (const Move move : moves) {
        Position after = position;
        after.play(mover, move);
        if (after.hasWon(mover))
            return {move, 1.0, {}};
        const StrongFeatures next = strongFeatures(after, opponentOf(mover));
        const double chance = 1.0 - winChance(next, weights);
        if (chance > best.moverChance)
            best = {move, chance, next};
    }
    return best;
}

void learn(StrongWeights& weights, const StrongFeatures& features, double target, double rate)
{
    const double error = target - winChance(features, weights);
    for (int i = 0; i < strongFeatureCount; ++i)
        weights[i] += rate * error * features[i];
}

void selfPlay(StrongWeights& weights, int games)
{
    for (int game = 0; game < games; ++game) {
        const double rate = 0.05 * (1.0 - 0.9 * game / games);
        std::mt19937 dice(1'000'003u * game + 7u);
        Position position = startPosition();
        Player mover = game % 2 == 0 ? Player::silber : Player::gold;
        StrongFeatures before = strongFeatures(position, mover);
        for (int turn = 0; turn < turnCap; ++turn) {
            const MoveList moves = position.legalMoves(mover, roll(dice));
            if (moves.empty()) {
                // The turn passes: the other player rolls on the same position.
                const StrongFeatures next = strongFeatures(position, opponentOf(mover));
                learn(weights, before, 1.0 - winChance(next, weights), rate);
                before = next;
                mover = opponentOf(mover);
                continue;
            }
            const Choice choice = chosen(position, mover, moves, weights);
            learn(weights, before, choice.moverChance, rate);
            position.play(mover, choice.move);
            if (position.hasWon(mover))
                break;
            before = choice.next;
            mover = opponentOf(mover);
        }
        if ((game + 1) % (games / 10 > 0 ? games / 10 : 1) == 0) {
            std::printf("%d games:", game + 1);
            for (const double w : weights)
                std::printf(" %.3f", w);
            std::printf("\n");
            std::fflush(stdout);
        }
    }
}

} // namespace
} // namespace bramlow

int main(int argc, char** argv)
{
    using namespace bramlow;
    const int games = argc > 1 ? std::atoi(argv[1]) : 100'000;
    const std::string output = argc > 2 ? argv[2] : "game/engine/strong_weights.h";
    if (games < 1) {
        std::fprintf(stderr, "fit_evaluation: at least one game\n");
        return 2;
    }
    // The start: only the race counts.
    StrongWeights weights{};
    weights[1] = 1.0;
    selfPlay(weights, games);
    std::ofstream out(output);
    if (!out) {
        std::fprintf(stderr, "fit_evaluation: cannot write %s\n", output.c_str());
        return 1;
    }
    out << "#pragma once\n"
        << "// Written by tools/fit_evaluation (" << games << " games of self-play); rerun it rather than edit by hand.\n"
        << "#include <array>\nnamespace bramlow {\ninline constexpr std::array<double, " << strongFeatureCount
        << "> strongWeights = {";
    out.precision(4);
    for (int i = 0; i < strongFeatureCount; ++i)
        out << (i ? ", " : "") << weights[i];
    out << "};\n} // namespace bramlow\n";
    std::printf("written to %s\n", output.c_str());
    return 0;
}
