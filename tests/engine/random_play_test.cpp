// Long random sessions from a fixed seed: after every single action the position and the
// window must still make sense.
#include "engine_table.h"

#include "engine/destination_checks.h"
#include "engine/field_name.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <set>

namespace bramlow::test {
namespace {

const std::string silberWins = "Glückwunsch!\r\nGewonnen hat Spieler Silber";
const std::string goldWins = "Glückwunsch!\r\nGewonnen hat Spieler Gold";
const std::set<std::string> prompts = {"Bitte neues Spiel wählen!", "Bitte wuerfeln!", "Welche Figur bewegen?",
                                       "Wohin bewegen?", ""};
const std::set<std::string> players = {"Willkommen bei Bramlow", silberTurn, goldTurn, silberWins, goldWins};

class RandomPlayer {
public:
    GameTable table;
    std::map<std::string, int> seen; // how often each line of `counted` was logged
    const std::set<std::string> counted = {"wuerfel shown", "ausgabe11 := Ich gehe!", "play schlagen.wav",
                                           "play schlecht.wav", "play winner.wav", "play ende.wav"};

    explicit RandomPlayer(unsigned seed) : pick_(seed)
    {
        table.die.then = &dice_;
        table.engine.Main();
    }

    void act()
    {
        RecordingView& view = table.view;
        view.log.clear();
        // New games are rare mid-game, so that games get won, and common once one is.
        const bool won = table.player() == silberWins || table.player() == goldWins;
        const int roll = below(1000);
        if (below(won ? 20 : 2000) == 0)
            table.engine.neu_but_Click();
        else if (roll < 80 && view.dieVisible)
            table.engine.wuerfel_Click();
        else if (roll >= 80 && roll < 95 && view.image1Enabled)
            table.engine.Image1_Click();
        else if (roll >= 95)
            table.click(chooseCell());
        bool moved = false;
        for (const auto& line : view.log) {
            moved = moved || line == "ausgabe11 := Ich gehe!";
            if (counted.contains(line))
                ++seen[line == "play winner.wav" && !moved ? "winner announced again" : line];
        }
    }

    // Every cell holds a code legal for its grid and square colour, each player has eight
    // pieces, and exactly the piece named in speicher is lifted while a destination is asked for.
    ::testing::AssertionResult consistent() const
    {
        const std::string prompt = table.prompt();
        const bool won = table.player() == silberWins || table.player() == goldWins;
        if (!prompts.contains(prompt) || !players.contains(table.player()) || (prompt.empty() && !won))
            return ::testing::AssertionFailure() << "texts \"" << prompt << "\", \"" << table.player() << '"';
        // Cells and texts change only through calls that the log records.
        if (table.view.log.empty())
            return ::testing::AssertionSuccess();
        const std::string cells = table.symbols();
        const auto n = [&cells](char symbol) { return std::count(cells.begin(), cells.end(), symbol); };
        const bool holding = prompt == "Wohin bewegen?";
        const auto lifted = cells.find_first_of("sg");
        if (n('?') != 0 || n('S') + n('s') != 8 || n('G') + n('g') != 8 || n('s') + n('g') != (holding ? 1 : 0) ||
            (holding && allFields()[lifted] != table.view.text(TextBox::speicher)))
            return ::testing::AssertionFailure() << "position " << cells << ", prompt \"" << prompt << '"';
        return ::testing::AssertionSuccess();
    }

private:
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(pick_); }

    // Mostly sensible clicks (own pieces, destinations that pass, forward ones preferred),
    // otherwise any cell at all.
    std::string chooseCell()
    {
        const auto& all = allFields();
        const std::string prompt = table.prompt();
        const bool silber = table.player() == silberTurn;
        const bool choosing = prompt == "Welche Figur bewegen?";
        const auto source = cellNamed(table.view.text(TextBox::speicher));
        std::vector<std::string> sensible;
        if ((silber || table.player() == goldTurn) && (choosing || (prompt == "Wohin bewegen?" && source)) &&
            below(10) < 8) {
            const Player player = silber ? Player::silber : Player::gold;
            const FramePosition from = source ? framePosition(*source) : FramePosition{};
            for (const auto& feld : all) {
                const CellCode code = table.engine.lese(feld);
                const Cell cell = *cellNamed(feld);
                if (choosing) {
                    if (ownsPiece(player, code))
                        sensible.push_back(feld);
                } else if (!destinationRefusal(player, *source, cell, code, table.engine.wurf())) {
                    const FramePosition to = framePosition(cell);
                    const bool forward = silber ? to.column > from.column : to.row > from.row;
                    sensible.insert(sensible.end(), forward ? 4 : 1, feld);
                }
            }
        }
        const auto& from = sensible.empty() ? all : sensible;
        return from[below(static_cast<int>(from.size()))];
    }

    DefaultRandomSource dice_;
    std::mt19937 pick_;
};

TEST(RandomPlay, positionAndWindowStayConsistentOverManyGames)
{
    RandomPlayer player(20261206u);
    for (int i = 0; i < 120'000; ++i) {
        player.act();
        ASSERT_TRUE(player.consistent()) << "after action " << i;
    }
    // The session went through whole games, not only refusals.
    auto& seen = player.seen;
    EXPECT_GE(seen["wuerfel shown"], 20) << "new games";
    EXPECT_GE(seen["ausgabe11 := Ich gehe!"], 5'000) << "moves";
    EXPECT_GE(seen["play schlagen.wav"], 100) << "captures";
    EXPECT_GE(seen["play schlecht.wav"], 1'000) << "refusals";
    EXPECT_GE(seen["play winner.wav"], 10) << "games won";
    EXPECT_GE(seen["winner announced again"], 1);
    EXPECT_GE(seen["play ende.wav"], 100) << "turns ended early";
}

} // namespace
} // namespace bramlow::test
