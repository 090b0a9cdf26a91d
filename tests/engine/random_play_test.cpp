// The die, the default random source, and a long random session from a fixed seed: after every action
// the position and the window must still make sense.
#include "engine_invariants.h"
#include "engine_table.h"

#include "engine/die.h"

#include <algorithm>
#include <limits>
#include <random>

namespace bramlow::test {
namespace {

// The die shows int(x * 5.4 + 1): faces 1..5 each 5/27 likely, the 6 only 2/27. Outside 1..6
// it draws again, 64 times at most.
TEST(Die, aRollShowsItsFaceEnablesImage1AndNeverHangs)
{
    const std::pair<float, int> faces[] = {{0.185f, 1}, {0.1852f, 2}, {0.9259f, 5}, {0.92593f, 6}, {0.99999994f, 6}};
    GameTable table;
    for (const auto& [x, face] : faces) {
        table.setTexts(goldTurn, "Bitte wuerfeln!");
        table.draws = {x};
        table.engine.wuerfel_Click();
        EXPECT_EQ(table.log,
                  (Log{"play wuerfeln.wav", "wuerfel <- wuerfel" + std::to_string(face) + ".bmp",
                       "ausgabe2 := Welche Figur bewegen?", "Image1 enabled"}))
            << x;
    }
    table.draws = {1.2f, -0.5f, std::numeric_limits<float>::quiet_NaN(), 3.0e9f, 0.5f};
    EXPECT_EQ(rollDie(table), 3);
    table.draws.assign(1'000, 1.2f);
    EXPECT_THROW(rollDie(table), std::domain_error);
    EXPECT_EQ(table.draws.size(), 1'000u - 64u);
}

// The default source replays the same numbers on every start and stays in [0, 1), so that its
// die shows the 6 at 2/27 and every other face at 5/27 (the bound is six standard deviations).
TEST(DefaultRandomSource, replaysItsSequenceStaysBelowOneAndRollsTheDieFairly)
{
    DefaultRandomSource numbers, again, dice;
    int faces[7] = {};
    for (int i = 0; i < 1'000'000; ++i) {
        const float x = numbers.next();
        ASSERT_TRUE(x >= 0.0f && x < 1.0f && x == again.next()) << x << " at " << i;
        ++faces[rollDie(dice)];
    }
    for (int face = 1; face <= 6; ++face)
        EXPECT_NEAR(faces[face] / 1e6, face == 6 ? 2.0 / 27.0 : 5.0 / 27.0, 0.0024) << "face " << face;
}

// A cell click tries cells in random order until one is taken, or gives up now and then.
// New games are rare in a game, so that games get won, and common outside one. After every
// action everything in engine_invariants.h holds.
TEST(RandomPlay, positionAndWindowStayConsistentOverManyGames)
{
    GameTable table;
    DefaultRandomSource dice;
    std::mt19937 pick(20261206u);
    std::vector<std::string> cells = allFields;
    int moves = 0, wins = 0, announcedAgain = 0;
    table.setPosition(startPosition); // the grids hold zeros until the first game
    table.engine.Main();
    for (int i = 0; i < 15'000; ++i) {
        table.log.clear(); // from here on, what this action did
        table.draws = {dice.next()};
        const std::string before = table.prompt();
        if (pick() % (table.player() == silberTurn || table.player() == goldTurn ? 2000 : 20) == 0)
            table.engine.neu_but_Click();
        else if (pick() % 100 < 3 && table.now["Image1 "] == "enabled")
            table.engine.Image1_Click();
        else if (table.now["wuerfel "] != "hidden" && (before == "Bitte wuerfeln!" || pick() % 10 == 0))
            table.engine.wuerfel_Click();
        std::shuffle(cells.begin(), cells.end(), pick);
        const bool clicking = table.log.empty();
        for (std::size_t at = 0; clicking && at < cells.size() && table.prompt() == before && pick() % 30; ++at)
            table.click(cells[at]);
        moves += std::ranges::count(table.log, "ausgabe11 := Ich gehe!");
        const bool announced = std::ranges::count(table.log, "play winner.wav") != 0; // a re-announcement logs 3 lines
        wins += announced && table.log.front() != "ausgabe2 := ";
        announcedAgain += announced && table.log.front() == "ausgabe2 := ";

        const StateTexts texts{table.player(), table.prompt(), table.text(TextBox::speicher),
                               table.text(TextBox::speicher2)};
        ASSERT_EQ(invariantViolation(table.engine, texts), "") << "after action " << i << ": " << table.symbols();
    }
    // The session went through whole games, not only refusals.
    EXPECT_GE(moves, 2'000);
    EXPECT_GE(wins, 8);
    EXPECT_GE(announcedAgain, 1);
}

} // namespace
} // namespace bramlow::test
