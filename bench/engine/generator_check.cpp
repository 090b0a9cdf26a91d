// The move generator against the engine over a million random positions and rolls: every
// cell tried as the pick-up, every cell as the destination of one piece, and the position
// after each accepted move compared. The test suite runs a few thousand of the same
// (tests/engine/generator_test.cpp).
// Run: build/release/bench/engine/generator_check [positions] [seed]
// Prints positions/s and the disagreements (the first few); exit status 1 if any.
#include "generator_check.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    using namespace bramlow;
    const long long positions = argc > 1 ? std::atoll(argv[1]) : 1'000'000LL;
    std::mt19937 random(argc > 2 ? unsigned(std::strtoul(argv[2], nullptr, 10)) : 20261208u);
    test::QuietTable table;
    long long disagreements = 0, moves = 0;
    const auto start = std::chrono::steady_clock::now();
    for (long long i = 0; i < positions; ++i) {
        const Position position = test::randomPosition(random);
        const Player player = random() % 2 == 0 ? Player::silber : Player::gold;
        const int roll = 1 + static_cast<int>(random() % 6);
        moves += position.legalMoves(player, roll).size();
        if (const std::string found = test::generatorDisagreement(table, position, player, roll, random); !found.empty()) {
            if (++disagreements <= 10)
                std::printf("position %lld: %s\n", i, found.c_str());
        }
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%lld positions and rolls (%lld legal moves) in %.1f s: %.0f positions/s, %lld disagreements\n",
                positions, moves, seconds, double(positions) / seconds, disagreements);
    return disagreements == 0 ? 0 : 1;
}
