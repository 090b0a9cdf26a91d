// Fits the weights of the level Stark's judgement (game/engine/strong_evaluation.h) to the
// outcomes of games: plays games in which each player takes the move its judgement likes
// best one move deep, now and then a random one so that the games cover more positions,
// keeps every position before a roll with whether the player about to roll went on to win,
// and fits a logistic regression by Newton's method. Then plays again with the new weights
// and fits again, `rounds` times, and writes the weights as C++ into `output`.
//
// Run (a few minutes on one core):
//   build/release/tools/fit_evaluation/fit_evaluation [games] [rounds] [output]
// defaults: 4000 games, 3 rounds, game/engine/strong_weights.h in the current folder.
#include "engine/position.h"
#include "engine/die.h"
#include "engine/strong_evaluation.h"
#include "engine/strong_weights.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace bramlow {
namespace {

constexpr int turnCap = 2'000;
constexpr double randomShare = 0.1;
constexpr int n = strongFeatureCount;

struct Sample {
    StrongFeatures features;
    bool moverWon;
};

Position startPosition()
{
    Position position;
    for (std::int16_t k = 1; k <= 8; ++k) {
        position.put(Cell{'s', 1, k}, Occupant::silber);
        position.put(Cell{'g', 1, k}, Occupant::gold);
    }
    return position;
}

// The die as the game rolls it.
int roll(std::mt19937& generator)
{
    for (;;) {
        const int face = static_cast<int>(static_cast<float>(generator() >> 8) * (1.0f / 16777216.0f) * 5.4 + 1.0);
        if (face <= 6)
            return face;
    }
}

Move chosen(const Position& position, Player mover, const MoveList& moves, const StrongWeights& weights, std::mt19937& generator)
{
    if (std::uniform_real_distribution<double>(0.0, 1.0)(generator) < randomShare)
        return moves[static_cast<int>(generator() % moves.size())];
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

void playGames(int games, const StrongWeights& weights, unsigned seed, std::vector<Sample>& samples)
{
    std::mt19937 generator(seed);
    for (int game = 0; game < games; ++game) {
        Position position = startPosition();
        Player mover = game % 2 == 0 ? Player::silber : Player::gold;
        std::vector<std::pair<StrongFeatures, Player>> seen;
        std::optional<Player> winner;
        for (int turn = 0; turn < turnCap && !winner; ++turn) {
            seen.emplace_back(strongFeatures(position, mover), mover);
            const MoveList moves = position.legalMoves(mover, roll(generator));
            if (!moves.empty()) {
                position.play(mover, chosen(position, mover, moves, weights, generator));
                if (position.hasWon(mover))
                    winner = mover;
            }
            mover = opponentOf(mover);
        }
        if (!winner)
            continue; // no outcome to learn from
        for (const auto& [features, who] : seen)
            samples.push_back({features, who == *winner});
    }
}

double sigmoid(double z) { return 1.0 / (1.0 + std::exp(-z)); }

// Newton's method on the log-likelihood, with a small ridge that keeps it solvable.
StrongWeights fit(const std::vector<Sample>& samples, StrongWeights weights, double& logLoss)
{
    for (int iteration = 0; iteration < 25; ++iteration) {
        double gradient[n] = {}, hessian[n][n] = {};
        logLoss = 0.0;
        for (const Sample& s : samples) {
            double z = 0.0;
            for (int i = 0; i < n; ++i)
                z += weights[i] * s.features[i];
            const double p = sigmoid(z), y = s.moverWon ? 1.0 : 0.0;
            logLoss -= y * std::log(p + 1e-12) + (1 - y) * std::log(1 - p + 1e-12);
            for (int i = 0; i < n; ++i) {
                gradient[i] += (y - p) * s.features[i];
                for (int j = 0; j < n; ++j)
                    hessian[i][j] += p * (1 - p) * s.features[i] * s.features[j];
            }
        }
        logLoss /= samples.size();
        for (int i = 0; i < n; ++i) {
            gradient[i] -= 1e-3 * weights[i];
            hessian[i][i] += 1e-3;
        }
        // Solve hessian * step = gradient by Gaussian elimination (the matrix is positive definite).
        double step[n];
        for (int col = 0; col < n; ++col) {
            for (int row = col + 1; row < n; ++row) {
                const double f = hessian[row][col] / hessian[col][col];
                for (int k = col; k < n; ++k)
                    hessian[row][k] -= f * hessian[col][k];
                gradient[row] -= f * gradient[col];
            }
        }
        for (int row = n - 1; row >= 0; --row) {
            double sum = gradient[row];
            for (int k = row + 1; k < n; ++k)
                sum -= hessian[row][k] * step[k];
            step[row] = sum / hessian[row][row];
        }
        double largest = 0.0;
        for (int i = 0; i < n; ++i) {
            weights[i] += step[i];
            largest = std::max(largest, std::abs(step[i]));
        }
        if (largest < 1e-7)
            break;
    }
    return weights;
}

} // namespace
} // namespace bramlow

int main(int argc, char** argv)
{
    using namespace bramlow;
    const int games = argc > 1 ? std::atoi(argv[1]) : 4000;
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 3;
    const std::string output = argc > 3 ? argv[3] : "game/engine/strong_weights.h";
    if (games < 1 || rounds < 1) {
        std::fprintf(stderr, "fit_evaluation: games and rounds must be at least 1\n");
        return 2;
    }
    StrongWeights weights = strongWeights;
    double logLoss = 0.0;
    std::size_t sampleCount = 0;
    for (int round = 0; round < rounds; ++round) {
        std::vector<Sample> samples;
        playGames(games, weights, 20'261'207u + round, samples);
        weights = fit(samples, weights, logLoss);
        sampleCount = samples.size();
        std::printf("round %d: %zu positions, log loss %.4f, weights", round + 1, sampleCount, logLoss);
        for (const double w : weights)
            std::printf(" %.4f", w);
        std::printf("\n");
    }
    std::ofstream out(output);
    if (!out) {
        std::fprintf(stderr, "fit_evaluation: cannot write %s\n", output.c_str());
        return 1;
    }
    out << "#pragma once\n"
        << "// Written by tools/fit_evaluation (" << games << " games, " << rounds << " rounds, "
        << sampleCount << " positions in the last, log loss " << logLoss << ");\n"
        << "// rerun it rather than edit by hand.\n"
        << "#include <array>\nnamespace bramlow {\ninline constexpr std::array<double, 6> strongWeights = {";
    for (int i = 0; i < n; ++i)
        out << (i ? ", " : "") << weights[i];
    out << "};\n} // namespace bramlow\n";
    std::printf("written to %s\n", output.c_str());
    return 0;
}
