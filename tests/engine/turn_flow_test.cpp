// Welcome state, new game, the die, and ending a turn with Image1 in every phase.
#include "game_table.h"

#include <gtest/gtest.h>

namespace bramlow::test {
namespace {

using Log = std::vector<std::string>;

TEST(Welcome, hidesTheDieWritesTheWelcomeTextsAndDisablesImage1)
{
    GameTable table;
    table.engine.Main();
    EXPECT_EQ(table.view.log, (Log{"wuerfel hidden", "ausgabe1 := Willkommen bei Bramlow",
                                   "ausgabe2 := Bitte neues Spiel wählen!", "Image1 disabled"}));
    table.view.log.clear();
    table.engine.wuerfel_Click();
    table.click("s11");
    table.click("b11");
    EXPECT_TRUE(table.view.log.empty());
    EXPECT_EQ(table.engine.wurf(), 0);
}

// What the set-up writes, in its order: the homes interleaved, then the board bottom-up.
Log expectedSetUp()
{
    Log log;
    const auto draw = [&log](const std::string& feld, const std::string& file) {
        log.push_back("play gut.wav");
        log.push_back(feld + " <- " + file);
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
            draw("b" + std::to_string(i) + std::to_string(j), (i + j) % 2 == 1 ? "01.bmp" : "05.bmp");
    }
    return log;
}

TEST(NewGame, drawsAll96CellsInOrderThenShowsTheDieAndTheStartingPlayer)
{
    GameTable table;
    table.engine.Main();
    table.view.log.clear();
    table.random.queue({silberStartsDraw});
    table.engine.neu_but_Click();

    Log expected = expectedSetUp();
    expected.insert(expected.end(), {"wuerfel shown", "ausgabe1 := Es spielt Spieler Silber", "ausgabe2 := Bitte wuerfeln!"});
    EXPECT_EQ(table.view.log, expected);
    EXPECT_EQ(table.position(), startPosition());
    EXPECT_EQ(table.engine.lese("b11"), EMPTY_EVEN);
    EXPECT_EQ(table.engine.lese("b12"), EMPTY_ODD);
    EXPECT_FALSE(table.view.image1Enabled) << "still disabled from Main";
}

TEST(NewGame, startingPlayerComesFromTheRandomSource)
{
    const std::vector<std::pair<float, std::string>> rows = {
        {0.0f, silberTurn}, {0.25f, silberTurn}, {0.49999997f, silberTurn},
        {0.5f, goldTurn}, {0.75f, goldTurn}, {0.99999994f, goldTurn},
    };
    for (const auto& [x, player] : rows) {
        GameTable table;
        table.random.queue({x});
        table.engine.neu_but_Click();
        EXPECT_EQ(table.player(), player) << x;
    }
}

TEST(NewGame, midTurnResetsTheBoardButKeepsImage1RollAndMemory)
{
    GameTable table;
    table.setPosition(startPosition());
    table.pickUpFor(silberTurn, 4, "s15");
    table.random.queue({goldStartsDraw});
    table.engine.neu_but_Click();
    EXPECT_EQ(table.position(), startPosition());
    EXPECT_EQ(table.prompt(), "Bitte wuerfeln!");
    EXPECT_EQ(table.player(), goldTurn);
    EXPECT_TRUE(table.view.image1Enabled);
    EXPECT_EQ(table.engine.wurf(), 4);
    EXPECT_EQ(table.view.text(TextBox::speicher), "s15");
    EXPECT_EQ(table.view.text(TextBox::speicher2), "8");

    // Image1 is still enabled: the new game's first turn can be handed over before a roll.
    table.view.log.clear();
    table.engine.Image1_Click();
    EXPECT_EQ(table.view.log, (Log{"play ende.wav", "ausgabe1 := Es spielt Spieler Silber",
                                   "ausgabe2 := Bitte wuerfeln!", "Image1 disabled"}));
}

TEST(Die, rollsOnlyInTheRollPhase)
{
    GameTable table;
    table.random.queue({silberStartsDraw, rollOf(3)});
    table.engine.neu_but_Click();
    table.view.log.clear();

    table.engine.wuerfel_Click();
    EXPECT_EQ(table.view.log, (Log{"play wuerfeln.wav", "wuerfel <- wuerfel3.bmp",
                                   "ausgabe2 := Welche Figur bewegen?", "Image1 enabled"}));
    EXPECT_EQ(table.engine.wurf(), 3);

    for (const std::string prompt : {"Welche Figur bewegen?", "Wohin bewegen?", "", "Bitte neues Spiel wählen!", "Bitte wuerfeln"}) {
        table.view.setText(TextBox::ausgabe2, prompt);
        table.view.log.clear();
        table.engine.wuerfel_Click();
        EXPECT_EQ(table.view.log, Log{}) << '"' << prompt << '"';
        EXPECT_EQ(table.engine.wurf(), 3);
        EXPECT_EQ(table.view.diePicture, "wuerfel3.bmp");
    }
}

TEST(Die, facesFollowTheFactor5Point4)
{
    const std::vector<std::pair<float, int>> rows = {
        {0.0f, 1}, {0.185f, 1}, {0.1852f, 2}, {0.37f, 2}, {0.3704f, 3}, {0.5555f, 3}, {0.5556f, 4},
        {0.7407f, 4}, {0.7408f, 5}, {0.9259f, 5}, {0.92593f, 6}, {0.99999994f, 6},
    };
    for (const auto& [x, face] : rows) {
        GameTable table;
        table.view.setText(TextBox::ausgabe2, "Bitte wuerfeln!");
        table.random.queue({x});
        table.engine.wuerfel_Click();
        EXPECT_EQ(table.engine.wurf(), face) << x;
        EXPECT_EQ(table.view.diePicture, "wuerfel" + std::to_string(face) + ".bmp") << x;
    }
}

TEST(EndTurn, inTheSelectPhaseChangesPlayerWithoutDrawing)
{
    GameTable table;
    table.setPosition(startPosition());
    table.rollFor(goldTurn, 2);
    table.engine.Image1_Click();
    EXPECT_EQ(table.view.log, (Log{"play ende.wav", "ausgabe1 := Es spielt Spieler Silber",
                                   "ausgabe2 := Bitte wuerfeln!", "Image1 disabled"}));
}

TEST(EndTurn, inTheDestinationPhasePutsThePieceBackWithItsOldCode)
{
    GameTable table;
    table.setPosition({
        "+........+",
        "S.........",
        "S.........",
        "S.........",
        "...S......",
        "S.........",
        "S.........",
        "S.........",
        "S.........",
        "+GGGGGGGG+",
    });
    table.pickUpFor(silberTurn, 2, "b53");
    ASSERT_EQ(table.engine.lese("b53"), SILBER_SELECTED);
    table.engine.Image1_Click();
    EXPECT_EQ(table.view.log, (Log{"play ende.wav", "ausgabe1 := Es spielt Spieler Gold", "play gut.wav",
                                   "b53 <- 09.bmp", "ausgabe2 := Bitte wuerfeln!", "Image1 disabled"}));
    EXPECT_EQ(table.engine.lese("b53"), SILBER_EVEN);
}

TEST(EndTurn, restoresHomeAndOddSquareCodes)
{
    const std::vector<std::tuple<std::string, std::string, CellCode>> rows = {
        {silberTurn, "s16", SILBER_HOME}, {goldTurn, "g13", GOLD_HOME}, {goldTurn, "b32", GOLD_ODD},
    };
    for (const auto& [player, feld, code] : rows) {
        GameTable table;
        table.setPosition({
            "+........+",
            "S.........",
            "S.........",
            "S.........",
            "S.........",
            "S.........",
            "S.G.......",
            "S.........",
            "S.........",
            "+GGGGGGG.+",
        });
        table.pickUpFor(player, 1, feld);
        table.engine.Image1_Click();
        EXPECT_EQ(table.engine.lese(feld), code) << feld;
        EXPECT_EQ(table.prompt(), "Bitte wuerfeln!");
    }
}

TEST(EndTurn, keepsATextThatNamesNoPlayer)
{
    GameTable table;
    table.view.setText(TextBox::ausgabe1, "Willkommen bei Bramlow");
    table.view.setText(TextBox::ausgabe2, "Bitte wuerfeln!");
    table.engine.Image1_Click();
    EXPECT_EQ(table.player(), "Willkommen bei Bramlow");
    EXPECT_EQ(table.prompt(), "Bitte wuerfeln!");
    EXPECT_FALSE(table.view.image1Enabled);
}

} // namespace
} // namespace bramlow::test
