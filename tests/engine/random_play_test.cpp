// The default random source, and a long random session from a fixed seed: after every action
// the position and the window must still make sense.
#include "engine_table.h"

#include "engine/die.h"

#include <algorithm>
#include <cmath>
#include <random>
#include <set>

namespace bramlow::test {
namespace {

// The default source replays the same numbers on every start and stays in [0, 1), so that its
// die shows the 6 at 2/27 and every other face at 5/27.
TEST(DefaultRandomSource, replaysItsSequenceStaysBelowOneAndRollsTheDieFairly)
{
    constexpr int count = 1'000'000;
    DefaultRandomSource numbers, again, dice;
    int faces[7] = {};
    for (int i = 0; i < count; ++i) {
        const float x = numbers.next();
        ASSERT_TRUE(x >= 0.0f && x < 1.0f && x == again.next()) << x << " at " << i;
        ++faces[rollDie(dice)];
    }
    for (int face = 1; face <= 6; ++face) {
        const double p = face == 6 ? 2.0 / 27.0 : 5.0 / 27.0;
        // Six standard deviations: a correct source misses once in 10^8 seeds, and ours is fixed.
        EXPECT_NEAR(faces[face], p * count, 6.0 * std::sqrt(count * p * (1.0 - p))) << "face " << face;
    }
    EXPECT_EQ(&processRandomSource(), &processRandomSource());
}

// Known texts, and no prompt but after a win; every cell holds a code legal for its grid and
// square colour, each player has eight pieces, and exactly the piece named in speicher is
// lifted while a destination is asked for.
::testing::AssertionResult consistent(const GameTable& table)
{
    const std::set<std::string> prompts = {"Bitte neues Spiel wählen!", "Bitte wuerfeln!", "Welche Figur bewegen?",
                                           "Wohin bewegen?", ""};
    const std::set<std::string> players = {"Willkommen bei Bramlow", silberTurn, goldTurn, silberWins, goldWins};
    const std::string prompt = table.prompt(), player = table.player();
    std::string cells;
    for (const std::string& line : table.position())
        cells += line.front() == '+' ? line.substr(1, 8) : line;
    const auto n = [&cells](char symbol) { return std::count(cells.begin(), cells.end(), symbol); };
    const bool holding = prompt == "Wohin bewegen?";
    if (!prompts.contains(prompt) || !players.contains(player) || (prompt.empty() && !player.starts_with("Glück")) ||
        n('?') != 0 || n('S') + n('s') != 8 || n('G') + n('g') != 8 || n('s') + n('g') != (holding ? 1 : 0) ||
        (holding && allFields[cells.find_first_of("sg")] != table.view.text(TextBox::speicher)))
        return ::testing::AssertionFailure() << "position " << cells << ", texts \"" << prompt << "\", \"" << player
                                             << '"';
    return ::testing::AssertionSuccess();
}

// A cell click tries cells in random order until one is taken, or gives up now and then.
// New games are rare in a game, so that games get won, and common outside one.
TEST(RandomPlay, positionAndWindowStayConsistentOverManyGames)
{
    GameTable table;
    DefaultRandomSource dice;
    std::mt19937 pick(20261206u);
    std::vector<std::string> cells = allFields;
    std::map<std::string, int> seen;
    table.setPosition(startPosition); // the grids hold zeros until the first game
    table.engine.Main();
    for (int i = 0; i < 20'000; ++i) {
        const Log& log = table.view.log;
        table.view.log.clear();
        table.die.values = {dice.next()};
        const std::string prompt = table.prompt();
        if (pick() % (table.player() == silberTurn || table.player() == goldTurn ? 2000 : 20) == 0)
            table.engine.neu_but_Click();
        else if (pick() % 100 < 3 && table.view.now["Image1 "] == "enabled")
            table.engine.Image1_Click();
        else if (table.view.now["wuerfel "] != "hidden" && (prompt == "Bitte wuerfeln!" || pick() % 10 == 0))
            table.engine.wuerfel_Click();
        std::shuffle(cells.begin(), cells.end(), pick);
        const bool clicking = log.empty();
        for (std::size_t at = 0; clicking && at < cells.size() && table.prompt() == prompt && pick() % 30; ++at)
            table.click(cells[at]);
        for (const auto& line : log)
            ++seen[line == "play winner.wav" && log.front() == "ausgabe2 := " ? "winner announced again" : line];
        ASSERT_TRUE(consistent(table)) << "after action " << i;
    }
    // The session went through whole games, not only refusals.
    EXPECT_GE(seen["wuerfel shown"], 10) << "new games";
    EXPECT_GE(seen["ausgabe11 := Ich gehe!"], 2'000) << "moves";
    EXPECT_GE(seen["play schlagen.wav"], 50) << "captures";
    EXPECT_GE(seen["play winner.wav"], 5) << "games won";
    EXPECT_GE(seen["winner announced again"], 1);
    EXPECT_GE(seen["play ende.wav"], 100) << "turns ended early";
}

} // namespace
} // namespace bramlow::test
