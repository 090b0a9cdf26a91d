// The win: a full target row ends the game at once; afterwards the game only announces its
// winner again until a new game starts.
#include "engine_table.h"

#include <gtest/gtest.h>

namespace bramlow::test {
namespace {

const std::string silberWins = "Glückwunsch!\r\nGewonnen hat Spieler Silber";
const std::string goldWins = "Glückwunsch!\r\nGewonnen hat Spieler Gold";

// Seven Silber pieces home, the eighth on b88 a step from s28; Gold has not moved.
const Diagram silberOneStepAway = {"+........+", "........S.", "........SS", ".........S", ".........S",
                                   ".........S", ".........S", ".........S", ".........S", "+GGGGGGGG+"};
// The same for Gold, with Silber spread over row 8 and its start row.
const Diagram goldOneStepAway = {"+GGGGGGG.+", "SSSSSSSSG.", "..........", "..........", "..........",
                                 "..........", "..........", "..........", "..........", "+........+"};

TEST(Win, theEighthPieceEndsTheGameAtOnceWhereverTheOpponentStandsSevenDoNot)
{
    const Diagram silberSevenHome = {"+........+", ".........S", "........S.", ".........S", ".........S",
                                     ".........S", ".........S", ".........S", "S.........", "+GGGGGGGG+"};
    // The cells' pictures are "from <- emptied" and "to <- arrived".
    const std::tuple<const char*, const Diagram&, const std::string&, std::string, std::string, Log> rows[] = {
        {"silber's eighth", silberOneStepAway, silberTurn, "b88 <- 05.bmp", "s28 <- 08.bmp",
         {"ausgabe2 := ", "ausgabe1 := " + silberWins, "play winner.wav"}},
        {"gold's eighth", goldOneStepAway, goldTurn, "b88 <- 05.bmp", "g28 <- 11.bmp",
         {"ausgabe2 := ", "ausgabe1 := " + goldWins, "play winner.wav"}},
        {"silber's seventh", silberSevenHome, silberTurn, "b78 <- 01.bmp", "s27 <- 08.bmp",
         {"ausgabe1 := " + goldTurn, "Image1 disabled", "ausgabe2 := Bitte wuerfeln!"}},
    };
    for (const auto& [name, position, player, departure, arrival, end] : rows) {
        SCOPED_TRACE(name);
        GameTable table;
        table.setPosition(position);
        table.rollFor(player, 1, departure.substr(0, 3));
        table.click(arrival.substr(0, 3));
        Log expected = {"ausgabe11 := Ich gehe!", "play gut.wav", departure, "play gut.wav", arrival};
        expected.insert(expected.end(), end.begin(), end.end());
        EXPECT_EQ(table.view.log, expected);
    }
}

TEST(Win, afterwardsOnlyImage1RollAndAClickAnnounceTheWinnerAgain)
{
    GameTable table;
    table.setPosition(silberOneStepAway);
    table.rollFor(silberTurn, 1, "b88");
    table.click("s28");
    const Diagram final = table.position();
    table.view.log.clear();
    table.engine.wuerfel_Click();
    for (const auto& feld : allFields())
        table.click(feld);
    EXPECT_TRUE(table.view.log.empty());

    table.engine.Image1_Click();
    EXPECT_EQ(table.view.log, (Log{"play ende.wav", "ausgabe2 := Bitte wuerfeln!", "Image1 disabled"}));
    table.view.log.clear();
    table.die.values = {rollOf(4)};
    table.engine.wuerfel_Click();
    EXPECT_EQ(table.prompt(), "Welche Figur bewegen?");
    table.view.log.clear();
    table.click("g13");
    EXPECT_EQ(table.view.log, (Log{"ausgabe2 := ", "ausgabe1 := " + silberWins, "play winner.wav"}));
    EXPECT_EQ(table.position(), final);
}

TEST(Win, bothRowsAreTestedSilberFirst)
{
    GameTable table;
    table.setPosition({"+GGGGGGGG+", ".........S", ".........S", ".........S", ".........S", ".........S",
                       ".........S", ".........S", "S........S", "+........+"});
    table.setTexts(silberTurn, "Welche Figur bewegen?");
    table.click("s11");
    EXPECT_EQ(table.view.log, (Log{"speicher := s11", "speicher2 := 8", "play gut.wav", "s11 <- 07.bmp",
                                   "ausgabe2 := ", "ausgabe1 := " + silberWins, "play winner.wav", "ausgabe2 := ",
                                   "ausgabe1 := " + goldWins, "play winner.wav"}));
}

} // namespace
} // namespace bramlow::test
