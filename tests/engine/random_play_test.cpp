// Long random sessions from a fixed seed: after every single action the position and the
// window must still make sense.
#include "game_table.h"

#include "engine/destination_checks.h"
#include "engine/field_name.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

namespace bramlow::test {
namespace {

const std::set<std::string> knownPrompts = {"Bitte neues Spiel wählen!", "Bitte wuerfeln!", "Welche Figur bewegen?",
                                            "Wohin bewegen?", ""};
const std::string silberWins = "Glückwunsch!\r\nGewonnen hat Spieler Silber";
const std::string goldWins = "Glückwunsch!\r\nGewonnen hat Spieler Gold";
const std::set<std::string> knownPlayers = {"Willkommen bei Bramlow", silberTurn, goldTurn, silberWins, goldWins};

bool legalIn(const Cell& cell, CellCode code)
{
    if (cell.letter == 's')
        return code == SILBER_HOME_EMPTY || code == SILBER_HOME || (cell.first == 1 && code == SILBER_SELECTED);
    if (cell.letter == 'g')
        return code == GOLD_HOME_EMPTY || code == GOLD_HOME || (cell.first == 1 && code == GOLD_SELECTED);
    if (code == SILBER_SELECTED || code == GOLD_SELECTED)
        return true;
    return isOddSquare(cell) ? (code == EMPTY_ODD || code == SILBER_ODD || code == GOLD_ODD)
                             : (code == EMPTY_EVEN || code == SILBER_EVEN || code == GOLD_EVEN);
}

struct Tally {
    int actions = 0;
    int wins = 0; // won by a move
    int reannouncements = 0;
    int captures = 0;
    int refusals = 0;
    int moves = 0;
    int newGames = 0;
};

class RandomPlayer {
public:
    explicit RandomPlayer(unsigned seed) : pick_(seed) { engine_.Main(); }

    void act()
    {
        view_.log.clear();
        // New games are rare mid-game, so that games get won, and common once one is.
        const std::string player = view_.text(TextBox::ausgabe1);
        const bool won = player == silberWins || player == goldWins;
        const int roll = below(1000);
        if (below(won ? 20 : 2000) == 0) {
            engine_.neu_but_Click();
            ++tally.newGames;
        } else if (roll < 80) {
            if (view_.dieVisible)
                engine_.wuerfel_Click();
        } else if (roll < 95) {
            if (view_.image1Enabled)
                engine_.Image1_Click();
        } else {
            clickCell(chooseCell());
        }
        ++tally.actions;
        count();
    }

    // Every rule that must hold between two actions; the first broken one is reported.
    ::testing::AssertionResult consistent() const
    {
        const std::string prompt = view_.text(TextBox::ausgabe2);
        const std::string player = view_.text(TextBox::ausgabe1);
        if (!knownPrompts.contains(prompt))
            return ::testing::AssertionFailure() << "unknown prompt \"" << prompt << '"';
        if (!knownPlayers.contains(player))
            return ::testing::AssertionFailure() << "unknown player text \"" << player << '"';
        if (prompt == "" && player != silberWins && player != goldWins)
            return ::testing::AssertionFailure() << "empty prompt without a winner";
        if (!started_)
            return ::testing::AssertionSuccess();

        int silber = 0;
        int gold = 0;
        std::vector<std::string> lifted;
        for (const auto& feld : allFieldNames()) {
            const CellCode code = engine_.lese(feld);
            if (!legalIn(*cellNamed(feld), code))
                return ::testing::AssertionFailure() << feld << " holds " << code;
            silber += isSilberPiece(code);
            gold += isGoldPiece(code);
            if (code == SILBER_SELECTED || code == GOLD_SELECTED)
                lifted.push_back(feld);
        }
        if (silber != 8 || gold != 8)
            return ::testing::AssertionFailure() << silber << " Silber and " << gold << " Gold pieces";
        const bool holding = prompt == "Wohin bewegen?";
        if (lifted.size() != (holding ? 1u : 0u))
            return ::testing::AssertionFailure() << lifted.size() << " pieces lifted with prompt \"" << prompt << '"';
        if (holding && lifted.front() != view_.text(TextBox::speicher))
            return ::testing::AssertionFailure() << "lifted " << lifted.front() << " but speicher names "
                                                 << view_.text(TextBox::speicher);
        return ::testing::AssertionSuccess();
    }

    Tally tally;

private:
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(pick_); }

    void clickCell(const std::string& feld)
    {
        const auto index = static_cast<std::int16_t>(std::stoi(feld.substr(1)));
        if (feld[0] == 'b')
            engine_.b_Click(index);
        else if (feld[0] == 's')
            engine_.s_Click(index);
        else
            engine_.g_Click(index);
    }

    // Mostly sensible clicks, so that games get won; otherwise any cell at all.
    std::string chooseCell()
    {
        const auto& all = allFieldNames();
        const std::string prompt = view_.text(TextBox::ausgabe2);
        const std::string player = view_.text(TextBox::ausgabe1);
        const bool silber = player == silberTurn;
        if ((silber || player == goldTurn) && below(10) < 8) {
            std::vector<std::string> candidates;
            if (prompt == "Welche Figur bewegen?") {
                for (const auto& feld : all) {
                    if (silber ? isSilberPiece(engine_.lese(feld)) : isGoldPiece(engine_.lese(feld)))
                        candidates.push_back(feld);
                }
            } else if (prompt == "Wohin bewegen?") {
                candidates = reachable(silber ? Player::silber : Player::gold);
            }
            if (!candidates.empty())
                return candidates[below(static_cast<int>(candidates.size()))];
        }
        return all[below(static_cast<int>(all.size()))];
    }

    // Destinations that pass all five checks, the forward ones four times over.
    std::vector<std::string> reachable(Player player) const
    {
        std::vector<std::string> result;
        const Cell source = *cellNamed(view_.text(TextBox::speicher));
        const FramePosition from = framePosition(source);
        for (const auto& feld : allFieldNames()) {
            const Cell cell = *cellNamed(feld);
            if (destinationRefusal(player, source, cell, engine_.lese(feld), engine_.wurf()) == nullptr) {
                result.push_back(feld);
                const FramePosition to = framePosition(cell);
                if (player == Player::silber ? to.column > from.column : to.row > from.row)
                    result.insert(result.end(), 3, feld);
            }
        }
        return result;
    }

    void count()
    {
        bool moved = false;
        for (const auto& line : view_.log) {
            if (line == "play winner.wav")
                ++(moved ? tally.wins : tally.reannouncements);
            else if (line == "play schlagen.wav")
                ++tally.captures;
            else if (line == "play schlecht.wav")
                ++tally.refusals;
            else if (line == "ausgabe11 := Ich gehe!") {
                ++tally.moves;
                moved = true;
            }
            else if (line == "wuerfel shown")
                started_ = true;
        }
    }

    RecordingView view_;
    DefaultRandomSource dice_;
    Engine engine_{view_, dice_};
    std::mt19937 pick_;
    bool started_ = false;
};

TEST(RandomPlay, positionAndWindowStayConsistentOverManyGames)
{
    RandomPlayer player(20261206u);
    for (int i = 0; i < 120'000; ++i) {
        player.act();
        ASSERT_TRUE(player.consistent()) << "after action " << i;
    }
    // The session really went through whole games, not only refusals.
    EXPECT_GE(player.tally.newGames, 20);
    EXPECT_GE(player.tally.moves, 5'000);
    EXPECT_GE(player.tally.captures, 100);
    EXPECT_GE(player.tally.refusals, 1'000);
    EXPECT_GE(player.tally.wins, 10);
    EXPECT_GE(player.tally.reannouncements, 1);
    std::cout << "actions " << player.tally.actions << ", new games " << player.tally.newGames << ", moves "
              << player.tally.moves << ", captures " << player.tally.captures << ", refusals "
              << player.tally.refusals << ", games won " << player.tally.wins << ", winner announced again "
              << player.tally.reannouncements << '\n';
}

} // namespace
} // namespace bramlow::test
