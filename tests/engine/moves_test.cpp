// Whole turns: choosing a piece, moving it, knocking out an opponent and handing the turn
// over, with every sound, picture and text in its order.
#include "engine_table.h"

#include <gtest/gtest.h>

namespace bramlow::test {
namespace {

const Diagram midGame = {
    "+....G...+",
    "S.........",
    "S.........",
    ".......G..",
    ".......S..",
    "S..G.....S",
    "S...S.....",
    "S...G.....",
    "..........",
    "+GG..GG..+",
};

Log then(Log first, const Log& second)
{
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

const Log toGold = {"ausgabe1 := Es spielt Spieler Gold", "Image1 disabled", "ausgabe2 := Bitte wuerfeln!"};
const Log toSilber = {"ausgabe1 := Es spielt Spieler Silber", "Image1 disabled", "ausgabe2 := Bitte wuerfeln!"};

TEST(Choice, remembersFieldAndCodeThenShowsThePieceLifted)
{
    const std::tuple<const char*, std::string, std::string, std::string> rows[] = {
        {"silber start row", silberTurn, "s13", "8"}, {"silber even square", silberTurn, "b57", "9"},
        {"silber odd square", silberTurn, "b34", "6"}, {"gold start row", goldTurn, "g16", "11"},
        {"gold even square", goldTurn, "b24", "13"},   {"gold odd square", goldTurn, "b67", "10"},
    };
    for (const auto& [name, player, feld, code] : rows) {
        SCOPED_TRACE(name);
        GameTable table;
        table.setPosition(midGame);
        table.rollFor(player, 2);
        table.click(feld);
        const std::string lifted = player == silberTurn ? "07.bmp" : "12.bmp";
        EXPECT_EQ(table.view.log, (Log{"speicher := " + feld, "speicher2 := " + code, "play gut.wav",
                                       feld + " <- " + lifted, "ausgabe2 := Wohin bewegen?"}));
    }
}

TEST(Choice, refusedWithSchlechtAloneKeepingTheMessageLine)
{
    const std::tuple<const char*, std::string, std::string> rows[] = {
        {"silber empty square", silberTurn, "b55"},        {"silber gold piece", silberTurn, "b43"},
        {"silber gold home piece", silberTurn, "g12"},     {"silber piece already home", silberTurn, "s24"},
        {"silber empty start cell", silberTurn, "s11"},    {"gold silber piece", goldTurn, "b57"},
        {"gold silber start piece", goldTurn, "s18"},      {"gold piece already home", goldTurn, "g25"},
        {"gold empty target cell", goldTurn, "g21"},
    };
    for (const auto& [name, player, feld] : rows) {
        SCOPED_TRACE(name);
        GameTable table;
        table.setPosition(midGame);
        table.view.setMessage("Ich schmeisse Gold");
        table.rollFor(player, 2);
        table.click(feld);
        EXPECT_EQ(table.view.log, Log{"play schlecht.wav"});
        EXPECT_EQ(table.view.message, "Ich schmeisse Gold");
        EXPECT_EQ(table.prompt(), "Welche Figur bewegen?");
        EXPECT_EQ(table.position(), midGame);
    }
}

TEST(CellClick, outsideSelectAndDestinationDoesNothing)
{
    for (const std::string prompt : {"Bitte wuerfeln!", "Bitte neues Spiel wählen!", "", "Wohin bewegen"}) {
        GameTable table;
        table.setPosition(midGame);
        table.setTexts(silberTurn, prompt);
        for (const auto& feld : allFields())
            table.click(feld);
        EXPECT_TRUE(table.view.log.empty()) << '"' << prompt << '"';
    }
}

TEST(Move, emptiesTheSourceFillsTheDestinationAndHandsOver)
{
    struct Row {
        const char* name;
        const std::string& player;
        int roll;
        std::string from, to;
        Log pictures;
    };
    const Row rows[] = {
        {"silber start row to even square", silberTurn, 3, "s13", "b33", {"s13 <- 04.bmp", "b33 <- 09.bmp"}},
        {"silber odd to odd", silberTurn, 2, "b34", "b45", {"b34 <- 01.bmp", "b45 <- 06.bmp"}},
        {"silber into target row", silberTurn, 3, "b57", "s26", {"b57 <- 05.bmp", "s26 <- 08.bmp"}},
        {"gold from start row", goldTurn, 1, "g16", "b16", {"g16 <- 02.bmp", "b16 <- 10.bmp"}},
        {"gold sideways", goldTurn, 2, "b24", "b22", {"b24 <- 05.bmp", "b22 <- 13.bmp"}},
        {"gold into target row", goldTurn, 4, "b67", "g28", {"b67 <- 01.bmp", "g28 <- 11.bmp"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        GameTable table;
        table.setPosition(midGame);
        table.pickUpFor(row.player, row.roll, row.from);
        table.click(row.to);
        const Log expected = {"ausgabe11 := Ich gehe!", "play gut.wav", row.pictures[0], "play gut.wav", row.pictures[1]};
        EXPECT_EQ(table.view.log, then(expected, row.player == silberTurn ? toGold : toSilber));
        EXPECT_EQ(table.view.text(TextBox::speicher), row.from) << "kept until the next choice";
    }
}

TEST(Capture, sendsThePieceToTheHighestFreeStartCell)
{
    GameTable table;
    table.setPosition({"+........+", "S.........", "S.........", "S.........", "S.........", "S.........",
                       "S...G.....", "S.........", ".S........", "+GGGGG.GG+"});
    table.pickUpFor(silberTurn, 5, "b11");
    table.click("b34");
    EXPECT_EQ(table.view.log, then({"ausgabe11 := Ich gehe!", "play gut.wav", "b11 <- 05.bmp", "play gut.wav",
                                    "b34 <- 06.bmp", "ausgabe11 := Ich schmeisse Gold", "play gut.wav",
                                    "g16 <- 11.bmp", "play schlagen.wav"},
                                   toGold));
    EXPECT_EQ(table.position()[6], "S...S.....");
    EXPECT_EQ(table.position()[9], "+GGGGGGGG+");

    table.setPosition({"+....G...+", "..........", "S......S..", "..........", "S...S.....", "S.........",
                       "S.........", "S.........", "S.........", "+GGGG.GGG+"});
    table.pickUpFor(goldTurn, 5, "g14");
    table.click("b54");
    EXPECT_EQ(table.view.log, then({"ausgabe11 := Ich gehe!", "play gut.wav", "g14 <- 02.bmp", "play gut.wav",
                                    "b54 <- 10.bmp", "ausgabe11 := Ich schmeisse Silber", "play gut.wav",
                                    "s18 <- 08.bmp", "play schlagen.wav"},
                                   toSilber));
    EXPECT_EQ(table.position()[3], "..........") << "only s18, the highest free cell, is filled";

    table.rollFor(silberTurn, 1);
    table.click("b54");
    EXPECT_EQ(table.view.message, "Ich schmeisse Silber") << "a refused choice keeps the report";
}

TEST(WholeTurns, playersAlternateFromANewGame)
{
    GameTable table;
    table.engine.Main();
    table.die.values = {silberStarts, rollOf(2), rollOf(1), rollOf(5)};
    table.engine.neu_but_Click();
    table.engine.wuerfel_Click();
    table.click("s14");
    table.click("b42");
    EXPECT_EQ(table.player(), goldTurn);
    EXPECT_FALSE(table.view.image1Enabled);

    table.engine.wuerfel_Click();
    table.click("g12");
    table.click("b12");
    table.engine.wuerfel_Click();
    table.click("b42");
    table.click("b81");
    EXPECT_EQ(table.view.message, "Zielreihe sitzt hinter Startreihe");
    table.click("b44");
    EXPECT_EQ(table.view.message, "Mit Wurf nicht zu erreichen");
    EXPECT_EQ(table.position(), (Diagram{"+........+", "S.........", "S.........", "S.........", "S.........",
                                         "..s.......", "S.........", "S.........", "S.G.......", "+G.GGGGGG+"}));
    table.click("b47");
    EXPECT_EQ(table.player(), goldTurn);
    EXPECT_EQ(table.position()[5], ".......S..");
    EXPECT_TRUE(table.die.values.empty());
}

} // namespace
} // namespace bramlow::test
