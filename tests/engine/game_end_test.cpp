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

TEST(Win, theEighthPieceEndsTheGameAtOnceWhereverTheOpponentStands)
{
    const std::tuple<const Diagram&, const std::string&, std::string, std::string> rows[] = {
        {silberOneStepAway, silberTurn, "s28 <- 08.bmp", silberWins},
        {goldOneStepAway, goldTurn, "g28 <- 11.bmp", goldWins},
    };
    for (const auto& [position, player, arrival, winner] : rows) {
        GameTable table;
        table.setPosition(position);
        table.pickUpFor(player, 1, "b88");
        table.click(arrival.substr(0, 3));
        EXPECT_EQ(table.view.log, (Log{"ausgabe11 := Ich gehe!", "play gut.wav", "b88 <- 05.bmp", "play gut.wav",
                                       arrival, "ausgabe2 := ", "ausgabe1 := " + winner, "play winner.wav"}));
        EXPECT_TRUE(table.view.image1Enabled);
    }
}

TEST(Win, sevenPiecesDoNot)
{
    GameTable table;
    table.setPosition({"+........+", ".........S", "........S.", ".........S", ".........S", ".........S",
                       ".........S", ".........S", "S.........", "+GGGGGGGG+"});
    table.pickUpFor(silberTurn, 1, "b78");
    table.click("s27");
    EXPECT_EQ(table.player(), goldTurn);
    EXPECT_EQ(table.prompt(), "Bitte wuerfeln!");
}

TEST(Win, afterwardsOnlyImage1RollAndAClickAnnounceTheWinnerAgain)
{
    GameTable table;
    table.setPosition(silberOneStepAway);
    table.pickUpFor(silberTurn, 1, "b88");
    table.click("s28");
    const Diagram final = table.position();
    table.view.log.clear();
    table.engine.wuerfel_Click();
    for (const auto& feld : allFields())
        table.click(feld);
    EXPECT_TRUE(table.view.log.empty());
    EXPECT_EQ(table.view.message, "Ich gehe!");

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
