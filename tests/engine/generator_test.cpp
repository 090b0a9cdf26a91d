// The move generator agrees with the engine's own checks on random positions and rolls
// (bench/engine/generator_check runs the same over a million).
#include "generator_check.h"

#include <gtest/gtest.h>

namespace bramlow::test {
namespace {

TEST(MoveGenerator, takesExactlyThePiecesAndDestinationsTheEngineAccepts)
{
    QuietTable table;
    std::mt19937 random(20261207u);
    for (int i = 0; i < 2'000; ++i) {
        const Position position = randomPosition(random);
        const Player player = i % 2 == 0 ? Player::silber : Player::gold;
        const int roll = 1 + i / 2 % 6;
        ASSERT_EQ(generatorDisagreement(table, position, player, roll, random), "") << "position " << i;
    }
}

} // namespace
} // namespace bramlow::test
