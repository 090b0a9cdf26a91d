// Welcome state, new game, the die, and ending a turn with Image1 in every phase.
#include "engine_table.h"

#include <gtest/gtest.h>

namespace bramlow::test {
namespace {

TEST(Main, showsTheWelcome)
{
    GameTable table;
    table.engine.Main();
    EXPECT_EQ(table.view.log, (Log{"wuerfel hidden", "ausgabe1 := Willkommen bei Bramlow",
                                   "ausgabe2 := Bitte neues Spiel wählen!", "Image1 disabled"}));
}

// Each cell plays its sound, shows its picture and only then stores its code: the grids
// are zero until the first game.
TEST(NewGame, draws96CellsHomesInterleavedThenBoardBottomUp)
{
    Log expected;
    const auto draw = [&expected](const std::string& feld, const char* file) {
        expected.insert(expected.end(), {"play gut.wav", feld + " <- " + file + " over 0"});
    };
    for (int i = 1; i <= 8; ++i) {
        const std::string k = std::to_string(i);
        draw("s1" + k, "08.bmp");
        draw("s2" + k, "04.bmp");
        draw("g1" + k, "11.bmp");
        draw("g2" + k, "02.bmp");
    }
    for (int i = 1; i <= 8; ++i) {
        for (int j = 1; j <= 8; ++j)
            draw("b" + std::to_string(10 * i + j), (i + j) % 2 == 1 ? "01.bmp" : "05.bmp");
    }
    expected.insert(expected.end(), {"wuerfel shown", "ausgabe1 := Es spielt Spieler Silber", "ausgabe2 := Bitte wuerfeln!"});

    GameTable table;
    table.view.peek = &table.engine;
    table.engine.Main();
    table.view.log.clear();
    table.die.values = {0.49999997f}; // the largest float below 0.5
    table.engine.neu_but_Click();
    EXPECT_EQ(table.view.log, expected);
    EXPECT_EQ(table.position(), startPosition());
    EXPECT_FALSE(table.view.image1Enabled);
}

TEST(NewGame, midTurnResetsTheBoardButLeavesImage1RollAndMemory)
{
    GameTable table;
    table.setPosition(startPosition());
    table.rollFor(silberTurn, 4, "s15");
    table.die.values = {0.5f};
    table.engine.neu_but_Click();
    EXPECT_EQ(table.player(), goldTurn) << "0.5 already gives Gold";
    EXPECT_EQ(table.position(), startPosition());
    EXPECT_EQ(table.prompt(), "Bitte wuerfeln!");
    EXPECT_TRUE(table.view.image1Enabled);
    EXPECT_EQ(table.engine.wurf(), 4);
    EXPECT_EQ(table.view.text(TextBox::speicher) + table.view.text(TextBox::speicher2), "s158");

    // The new game's first turn can be handed over before any roll.
    table.view.log.clear();
    table.engine.Image1_Click();
    EXPECT_EQ(table.view.log, (Log{"play ende.wav", "ausgabe1 := Es spielt Spieler Silber",
                                   "ausgabe2 := Bitte wuerfeln!", "Image1 disabled"}));
}

TEST(Die, showsTheIntegerPartOfXTimes5Point4PlusOne)
{
    const std::pair<float, int> faces[] = {{0.185f, 1}, {0.1852f, 2}, {0.9259f, 5}, {0.92593f, 6}, {0.99999994f, 6}};
    GameTable table;
    for (const auto& [x, face] : faces) {
        table.setTexts(goldTurn, "Bitte wuerfeln!");
        table.die.values = {x};
        table.engine.wuerfel_Click();
        EXPECT_EQ(table.view.log, (Log{"play wuerfeln.wav", "wuerfel <- wuerfel" + std::to_string(face) + ".bmp",
                                       "ausgabe2 := Welche Figur bewegen?", "Image1 enabled"}));
        EXPECT_EQ(table.engine.wurf(), face) << x;
    }
}

// The prompt is compared exactly: "Bitte wuerfeln" without "!" is no roll phase.
TEST(Phases, theDieRollsOnlyInTheRollPhaseAndCellsActOnlyInSelectAndDestination)
{
    GameTable table;
    table.setPosition(startPosition());
    for (const std::string prompt :
         {"Bitte neues Spiel wählen!", "Welche Figur bewegen?", "Wohin bewegen?", "Bitte wuerfeln"}) {
        table.setTexts(silberTurn, prompt);
        table.engine.wuerfel_Click();
        EXPECT_TRUE(table.view.log.empty()) << '"' << prompt << '"';
    }
    for (const std::string prompt : {"Bitte neues Spiel wählen!", "Bitte wuerfeln!", "Welche Figur bewegen"}) {
        table.setTexts(silberTurn, prompt);
        for (const auto& feld : allFields())
            table.click(feld);
        EXPECT_TRUE(table.view.log.empty()) << '"' << prompt << '"';
    }
    EXPECT_EQ(table.engine.wurf(), 0);
}

TEST(EndTurn, changesThePlayerAndPutsAPieceInHandBackWithTheRememberedCode)
{
    const Diagram position = {"+........+", "S.........", "S.........", "S.........", "...S......",
                              "S.........", "S.G.......", "S.........", "S.........", "+GGGGGGG.+"};
    GameTable table;
    table.setPosition(position);
    table.rollFor(silberTurn, 2);
    table.engine.Image1_Click();
    EXPECT_EQ(table.view.log, (Log{"play ende.wav", "ausgabe1 := Es spielt Spieler Gold",
                                   "ausgabe2 := Bitte wuerfeln!", "Image1 disabled"}));

    table.rollFor(silberTurn, 2, "b53");
    table.engine.Image1_Click();
    EXPECT_EQ(table.view.log, (Log{"play ende.wav", "ausgabe1 := Es spielt Spieler Gold", "play gut.wav",
                                   "b53 <- 09.bmp", "ausgabe2 := Bitte wuerfeln!", "Image1 disabled"}));

    const std::pair<std::string, std::string> others[] = {{silberTurn, "s16"}, {goldTurn, "g13"}, {goldTurn, "b32"}};
    for (const auto& [player, feld] : others) {
        table.rollFor(player, 1, feld);
        table.engine.Image1_Click();
        EXPECT_EQ(table.position(), position) << feld;
    }
}

} // namespace
} // namespace bramlow::test
