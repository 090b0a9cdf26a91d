// Whole turns: choosing a piece, moving it, knocking out an opponent, handing the turn over,
// with every sound, picture and text in its order.
#include "game_table.h"

#include <gtest/gtest.h>

namespace bramlow::test {
namespace {

using Log = std::vector<std::string>;

const Log handOverToGold = {"ausgabe1 := Es spielt Spieler Gold", "Image1 disabled", "ausgabe2 := Bitte wuerfeln!"};
const Log handOverToSilber = {"ausgabe1 := Es spielt Spieler Silber", "Image1 disabled", "ausgabe2 := Bitte wuerfeln!"};

Log joined(Log a, const Log& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// A game under way: pieces of both players on the board and in the target rows.
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

struct ChoiceCase {
    const char* name;
    const std::string* player;
    std::string feld;
    std::string storedCode;
    std::string pickedPicture;
};

class AcceptedChoice : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(AcceptedChoice, remembersFieldAndCodeThenShowsThePieceLifted)
{
    const ChoiceCase& c = GetParam();
    GameTable table;
    table.setPosition(midGame);
    table.rollFor(*c.player, 2);
    table.click(c.feld);
    EXPECT_EQ(table.view.log, (Log{"speicher := " + c.feld, "speicher2 := " + c.storedCode, "play gut.wav",
                                   c.feld + " <- " + c.pickedPicture, "ausgabe2 := Wohin bewegen?"}));
    EXPECT_EQ(table.player(), *c.player);
    EXPECT_TRUE(table.view.image1Enabled);
}

INSTANTIATE_TEST_SUITE_P(Pieces, AcceptedChoice,
    ::testing::Values(
        ChoiceCase{"silber_from_start_row_s13", &silberTurn, "s13", "8", "07.bmp"},
        ChoiceCase{"silber_on_even_square_b57", &silberTurn, "b57", "9", "07.bmp"},
        ChoiceCase{"silber_on_odd_square_b34", &silberTurn, "b34", "6", "07.bmp"},
        ChoiceCase{"gold_from_start_row_g16", &goldTurn, "g16", "11", "12.bmp"},
        ChoiceCase{"gold_on_even_square_b24", &goldTurn, "b24", "13", "12.bmp"},
        ChoiceCase{"gold_on_odd_square_b67", &goldTurn, "b67", "10", "12.bmp"}),
    [](const auto& info) { return std::string(info.param.name); });

struct RefusedChoiceCase {
    const char* name;
    const std::string* player;
    std::string feld;
};

class RefusedChoice : public ::testing::TestWithParam<RefusedChoiceCase> {};

TEST_P(RefusedChoice, onlyPlaysSchlechtAndKeepsTheMessageLine)
{
    const RefusedChoiceCase& c = GetParam();
    GameTable table;
    table.setPosition(midGame);
    table.view.setMessage("Ich schmeisse Gold");
    table.rollFor(*c.player, 2);
    table.click(c.feld);
    EXPECT_EQ(table.view.log, Log{"play schlecht.wav"});
    EXPECT_EQ(table.view.message, "Ich schmeisse Gold");
    EXPECT_EQ(table.prompt(), "Welche Figur bewegen?");
    EXPECT_EQ(table.position(), midGame);
}

INSTANTIATE_TEST_SUITE_P(Fields, RefusedChoice,
    ::testing::Values(
        RefusedChoiceCase{"silber_empty_square", &silberTurn, "b55"},
        RefusedChoiceCase{"silber_gold_piece", &silberTurn, "b43"},
        RefusedChoiceCase{"silber_gold_home_piece", &silberTurn, "g12"},
        RefusedChoiceCase{"silber_own_piece_in_target_row", &silberTurn, "s24"},
        RefusedChoiceCase{"silber_empty_start_cell", &silberTurn, "s11"},
        RefusedChoiceCase{"gold_silber_piece", &goldTurn, "b57"},
        RefusedChoiceCase{"gold_silber_start_piece", &goldTurn, "s18"},
        RefusedChoiceCase{"gold_own_piece_in_target_row", &goldTurn, "g25"},
        RefusedChoiceCase{"gold_empty_target_cell", &goldTurn, "g21"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CellClick, outsideSelectAndDestinationPhasesDoesNothing)
{
    for (const std::string prompt : {"Bitte wuerfeln!", "Bitte neues Spiel wählen!", "", "Wohin bewegen"}) {
        GameTable table;
        table.setPosition(midGame);
        table.view.setText(TextBox::ausgabe1, silberTurn);
        table.view.setText(TextBox::ausgabe2, prompt);
        table.view.log.clear();
        for (const auto& feld : allFieldNames())
            table.click(feld);
        EXPECT_TRUE(table.view.log.empty()) << '"' << prompt << '"';
        EXPECT_EQ(table.position(), midGame);
    }
}

struct MoveCase {
    const char* name;
    const std::string* player;
    int roll;
    std::string from;
    std::string to;
    Log log;
};

class PlainMove : public ::testing::TestWithParam<MoveCase> {};

TEST_P(PlainMove, emptiesTheSourceFillsTheDestinationAndHandsOver)
{
    const MoveCase& c = GetParam();
    GameTable table;
    table.setPosition(midGame);
    table.pickUpFor(*c.player, c.roll, c.from);
    table.click(c.to);
    EXPECT_EQ(table.view.log, c.log);
    // Kept until the next choice.
    EXPECT_EQ(table.view.text(TextBox::speicher), c.from);
}

INSTANTIATE_TEST_SUITE_P(Moves, PlainMove,
    ::testing::Values(
        MoveCase{"silber_from_start_row_to_even_square", &silberTurn, 3, "s13", "b33",
                 joined({"ausgabe11 := Ich gehe!", "play gut.wav", "s13 <- 04.bmp", "play gut.wav", "b33 <- 09.bmp"},
                        handOverToGold)},
        MoveCase{"silber_odd_to_odd_diagonally", &silberTurn, 2, "b34", "b45",
                 joined({"ausgabe11 := Ich gehe!", "play gut.wav", "b34 <- 01.bmp", "play gut.wav", "b45 <- 06.bmp"},
                        handOverToGold)},
        MoveCase{"silber_into_target_row", &silberTurn, 3, "b57", "s26",
                 joined({"ausgabe11 := Ich gehe!", "play gut.wav", "b57 <- 05.bmp", "play gut.wav", "s26 <- 08.bmp"},
                        handOverToGold)},
        MoveCase{"gold_from_start_row", &goldTurn, 1, "g16", "b16",
                 joined({"ausgabe11 := Ich gehe!", "play gut.wav", "g16 <- 02.bmp", "play gut.wav", "b16 <- 10.bmp"},
                        handOverToSilber)},
        MoveCase{"gold_sideways", &goldTurn, 2, "b24", "b22",
                 joined({"ausgabe11 := Ich gehe!", "play gut.wav", "b24 <- 05.bmp", "play gut.wav", "b22 <- 13.bmp"},
                        handOverToSilber)},
        MoveCase{"gold_into_target_row", &goldTurn, 4, "b67", "g28",
                 joined({"ausgabe11 := Ich gehe!", "play gut.wav", "b67 <- 01.bmp", "play gut.wav", "g28 <- 11.bmp"},
                        handOverToSilber)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Capture, silberOnAnOddGoldSquareSendsItToTheHighestFreeStartCell)
{
    GameTable table;
    table.setPosition({
        "+........+",
        "S.........",
        "S.........",
        "S.........",
        "S.........",
        "S.........",
        "S...G.....",
        "S.........",
        ".S........",
        "+GGGGG.GG+",
    });
    table.pickUpFor(silberTurn, 5, "b11");
    table.click("b34");
    EXPECT_EQ(table.view.log, joined({"ausgabe11 := Ich gehe!", "play gut.wav", "b11 <- 05.bmp", "play gut.wav",
                                      "b34 <- 06.bmp", "ausgabe11 := Ich schmeisse Gold", "play gut.wav",
                                      "g16 <- 11.bmp", "play schlagen.wav"},
                                     handOverToGold));
    EXPECT_EQ(table.position(), (Diagram{
                                    "+........+",
                                    "S.........",
                                    "S.........",
                                    "S.........",
                                    "S.........",
                                    "S.........",
                                    "S...S.....",
                                    "S.........",
                                    "..........",
                                    "+GGGGGGGG+",
                                }));
    EXPECT_EQ(table.view.message, "Ich schmeisse Gold");
}

TEST(Capture, goldOnASilberSquareFillsOnlyOneFreeCell)
{
    GameTable table;
    table.setPosition({
        "+....G...+",
        "..........",
        "S......S..",
        "..........",
        "S...S.....",
        "S.........",
        "S.........",
        "S.........",
        "S.........",
        "+GGGG.GGG+",
    });
    table.pickUpFor(goldTurn, 5, "g14");
    table.click("b54");
    EXPECT_EQ(table.view.pictures(), (Log{"g14 <- 02.bmp", "b54 <- 10.bmp", "s18 <- 08.bmp"}));
    EXPECT_EQ(table.view.sounds(), (Log{"gut.wav", "gut.wav", "gut.wav", "schlagen.wav"}));
    EXPECT_EQ(table.view.message, "Ich schmeisse Silber");
    EXPECT_EQ(table.position()[1], "S.........") << "s18 was the highest free cell";
    EXPECT_EQ(table.position()[3], "..........") << "s16 stays empty";
    EXPECT_EQ(table.player(), silberTurn);
}

TEST(Capture, messageSurvivesTheNextRefusedChoice)
{
    GameTable table;
    table.setPosition(midGame);
    table.pickUpFor(silberTurn, 1, "b57");
    table.click("b67");
    ASSERT_EQ(table.view.message, "Ich schmeisse Gold");
    table.rollFor(goldTurn, 1);
    table.click("b57");
    EXPECT_EQ(table.view.log, Log{"play schlecht.wav"});
    EXPECT_EQ(table.view.message, "Ich schmeisse Gold");
}

TEST(WholeTurns, twoPlayersAlternateFromANewGame)
{
    GameTable table;
    table.engine.Main();
    table.random.queue({silberStartsDraw, rollOf(2), rollOf(1), rollOf(5)});
    table.engine.neu_but_Click();
    ASSERT_EQ(table.player(), silberTurn);

    table.engine.wuerfel_Click();
    table.click("s14");
    table.click("b42");
    EXPECT_EQ(table.player(), goldTurn);
    EXPECT_EQ(table.prompt(), "Bitte wuerfeln!");
    EXPECT_FALSE(table.view.image1Enabled);

    table.engine.wuerfel_Click();
    table.click("g12");
    table.click("b12");
    EXPECT_EQ(table.player(), silberTurn);

    table.engine.wuerfel_Click();
    table.click("b42");
    table.click("b81");
    EXPECT_EQ(table.position(), (Diagram{
                                    "+........+",
                                    "S.........",
                                    "S.........",
                                    "S.........",
                                    "S.........",
                                    "..s.......",
                                    "S.........",
                                    "S.........",
                                    "S.G.......",
                                    "+G.GGGGGG+",
                                }));
    EXPECT_EQ(table.player(), silberTurn) << "a refused move keeps the turn";
    EXPECT_EQ(table.view.message, "Zielreihe sitzt hinter Startreihe");
    table.click("b44");
    EXPECT_EQ(table.view.message, "Mit Wurf nicht zu erreichen");
    table.click("b47");
    EXPECT_EQ(table.player(), goldTurn);
    EXPECT_EQ(table.view.message, "Ich gehe!");
    EXPECT_EQ(table.position()[5], ".......S..");
    EXPECT_TRUE(table.random.exhausted());
}

} // namespace
} // namespace bramlow::test
