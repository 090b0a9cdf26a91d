// The win: a full target row ends the game at once, and the game then only announces its
// winner again until a new game starts.
#include "game_table.h"

#include <gtest/gtest.h>

namespace bramlow::test {
namespace {

using Log = std::vector<std::string>;

const std::string silberWins = "Glückwunsch!\r\nGewonnen hat Spieler Silber";
const std::string goldWins = "Glückwunsch!\r\nGewonnen hat Spieler Gold";
const Log announceSilber = {"ausgabe2 := ", "ausgabe1 := " + silberWins, "play winner.wav"};

// Silber has seven pieces home and one on b58, a step from s28; Gold has not moved.
const Diagram silberOneStepFromWinning = {
    "+........+",
    "........S.",
    "........SS",
    ".........S",
    ".........S",
    ".........S",
    ".........S",
    ".........S",
    ".........S",
    "+GGGGGGGG+",
};

TEST(Win, theEighthPieceEndsTheGameAtOnce)
{
    GameTable table;
    table.setPosition(silberOneStepFromWinning);
    table.pickUpFor(silberTurn, 1, "b88");
    table.click("s28");
    EXPECT_EQ(table.view.log, (Log{"ausgabe11 := Ich gehe!", "play gut.wav", "b88 <- 05.bmp", "play gut.wav",
                                   "s28 <- 08.bmp", "ausgabe2 := ", "ausgabe1 := " + silberWins,
                                   "play winner.wav"}));
    EXPECT_EQ(table.prompt(), "");
    EXPECT_TRUE(table.view.image1Enabled) << "the winning turn's roll enabled it, and nothing disabled it";
    EXPECT_EQ(table.view.message, "Ich gehe!");
}

TEST(Win, sevenPiecesDoNotWin)
{
    GameTable table;
    table.setPosition({
        "+........+",
        ".........S",
        "........S.",
        ".........S",
        ".........S",
        ".........S",
        ".........S",
        ".........S",
        "S.........",
        "+GGGGGGGG+",
    });
    table.pickUpFor(silberTurn, 1, "b78");
    table.click("s27");
    EXPECT_EQ(table.player(), goldTurn);
    EXPECT_EQ(table.prompt(), "Bitte wuerfeln!");
    EXPECT_EQ(table.view.sounds(), (Log{"gut.wav", "gut.wav"}));
}

TEST(Win, goldWinsWhateverSilberHolds)
{
    GameTable table;
    table.setPosition({
        "+GGGGGGG.+",
        "SSSSSSSSG.",
        "..........",
        "..........",
        "..........",
        "..........",
        "..........",
        "..........",
        "..........",
        "+........+",
    });
    table.pickUpFor(goldTurn, 1, "b88");
    table.click("g28");
    EXPECT_EQ(table.player(), goldWins);
    EXPECT_EQ(table.prompt(), "");
    EXPECT_EQ(table.view.sounds(), (Log{"gut.wav", "gut.wav", "winner.wav"}));
}

TEST(Win, afterTheWinDieAndCellsDoNothing)
{
    GameTable table;
    table.setPosition(silberOneStepFromWinning);
    table.pickUpFor(silberTurn, 1, "b88");
    table.click("s28");
    const Diagram final = table.position();
    table.view.log.clear();

    table.engine.wuerfel_Click();
    for (const auto& feld : allFieldNames())
        table.click(feld);

    EXPECT_TRUE(table.view.log.empty());
    EXPECT_EQ(table.position(), final);
    EXPECT_EQ(table.engine.wurf(), 1);
    EXPECT_EQ(table.player(), silberWins);
}

TEST(Win, image1RollAndClickAnnounceTheSameWinnerAgain)
{
    GameTable table;
    table.setPosition(silberOneStepFromWinning);
    table.pickUpFor(silberTurn, 1, "b88");
    table.click("s28");
    const Diagram final = table.position();

    table.view.log.clear();
    table.engine.Image1_Click();
    EXPECT_EQ(table.view.log, (Log{"play ende.wav", "ausgabe2 := Bitte wuerfeln!", "Image1 disabled"}));
    EXPECT_EQ(table.player(), silberWins);

    table.view.log.clear();
    table.random.queue({rollOf(4)});
    table.engine.wuerfel_Click();
    EXPECT_EQ(table.view.log, (Log{"play wuerfeln.wav", "wuerfel <- wuerfel4.bmp",
                                   "ausgabe2 := Welche Figur bewegen?", "Image1 enabled"}));

    // Any field, even a Gold piece: nothing is picked up and the winner is announced.
    table.view.log.clear();
    table.click("g13");
    EXPECT_EQ(table.view.log, announceSilber);
    EXPECT_EQ(table.position(), final);

    table.view.log.clear();
    table.click("b11");
    EXPECT_TRUE(table.view.log.empty());
}

TEST(Win, bothRowsAreTestedSilberFirst)
{
    GameTable table;
    table.setPosition({
        "+GGGGGGGG+",
        ".........S",
        ".........S",
        ".........S",
        ".........S",
        ".........S",
        ".........S",
        ".........S",
        "S........S",
        "+........+",
    });
    table.view.setText(TextBox::ausgabe1, silberTurn);
    table.view.setText(TextBox::ausgabe2, "Welche Figur bewegen?");
    table.view.log.clear();
    table.click("s11");
    EXPECT_EQ(table.view.log, (Log{"speicher := s11", "speicher2 := 8", "play gut.wav", "s11 <- 07.bmp",
                                   "ausgabe2 := ", "ausgabe1 := " + silberWins, "play winner.wav",
                                   "ausgabe2 := ", "ausgabe1 := " + goldWins, "play winner.wav"}));
}

TEST(Win, aNewGameAfterTheWinPlaysOn)
{
    GameTable table;
    table.setPosition(silberOneStepFromWinning);
    table.pickUpFor(silberTurn, 1, "b88");
    table.click("s28");
    table.random.queue({goldStartsDraw, rollOf(2)});
    table.engine.neu_but_Click();
    EXPECT_EQ(table.position(), startPosition());
    EXPECT_EQ(table.player(), goldTurn);
    table.engine.wuerfel_Click();
    table.click("g11");
    table.click("b21");
    EXPECT_EQ(table.player(), silberTurn);
    EXPECT_EQ(table.engine.lese("b21"), GOLD_ODD);
}

} // namespace
} // namespace bramlow::test
