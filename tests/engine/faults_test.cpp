// What only a fault can cause: memory texts that do not hold what the game wrote into
// them, and clicks on cells that do not exist. Nothing may be lost, duplicated or crash.
#include "game_table.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace bramlow::test {
namespace {

using Log = std::vector<std::string>;

// Silber's piece on the even square b53 is picked up with a roll of 2.
GameTable& silberHoldingB53(GameTable& table)
{
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
    return table;
}

class UnreadableCode : public ::testing::TestWithParam<std::string> {};

TEST_P(UnreadableCode, theMoveWorksTheCodeOutFromTheSquare)
{
    GameTable table;
    silberHoldingB53(table).view.setText(TextBox::speicher2, GetParam());
    table.view.log.clear();
    table.click("b55");
    EXPECT_EQ(table.view.pictures(), (Log{"b53 <- 05.bmp", "b55 <- 09.bmp"}));
    EXPECT_EQ(table.player(), goldTurn);
}

TEST_P(UnreadableCode, endingTheTurnPutsThePieceBackAsItWas)
{
    GameTable table;
    silberHoldingB53(table).view.setText(TextBox::speicher2, GetParam());
    table.view.log.clear();
    table.engine.Image1_Click();
    EXPECT_EQ(table.view.pictures(), Log{"b53 <- 09.bmp"});
    EXPECT_EQ(table.engine.lese("b53"), SILBER_EVEN);
}

INSTANTIATE_TEST_SUITE_P(Texts, UnreadableCode,
    ::testing::Values("", "neun", "9x", " 9", "99999", "-9", "7", "5", "0"),
    [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(PickedUpPiece, aReadableCodeIsTakenAsWritten)
{
    // Written by the game at pick-up; the rest of the game relies on it.
    GameTable table;
    silberHoldingB53(table);
    EXPECT_EQ(table.view.text(TextBox::speicher2), "9");
    table.view.setText(TextBox::speicher2, "13");
    table.engine.Image1_Click();
    EXPECT_EQ(table.engine.lese("b53"), GOLD_EVEN);
}

TEST(PickedUpPiece, withoutAFieldNothingMovesAndEndingTheTurnStillWorks)
{
    for (const std::string speicher : {"", "b99", "x53", "b5"}) {
        GameTable table;
        silberHoldingB53(table).view.setText(TextBox::speicher, speicher);
        const Diagram before = table.position();
        table.view.log.clear();
        table.click("b55");
        EXPECT_TRUE(table.view.log.empty()) << speicher;
        table.engine.Image1_Click();
        EXPECT_EQ(table.view.log, (Log{"play ende.wav", "ausgabe1 := Es spielt Spieler Gold",
                                       "ausgabe2 := Bitte wuerfeln!", "Image1 disabled"}))
            << speicher;
        EXPECT_EQ(table.position(), before);
    }
}

TEST(PickedUpPiece, aFieldWithoutALiftedPieceAndNoCodeMovesNothing)
{
    GameTable table;
    silberHoldingB53(table).view.setText(TextBox::speicher, "b11");
    table.view.setText(TextBox::speicher2, "");
    table.view.log.clear();
    table.click("b55");
    EXPECT_TRUE(table.view.log.empty());
}

TEST(DestinationPhase, withoutACurrentPlayerMovesNothing)
{
    GameTable table;
    silberHoldingB53(table).view.setText(TextBox::ausgabe1, "Willkommen bei Bramlow");
    const Diagram before = table.position();
    table.view.log.clear();
    table.click("b55");
    EXPECT_TRUE(table.view.log.empty());
    EXPECT_EQ(table.position(), before);
}

TEST(CellClick, anIndexThatNoControlHasIsRefusedBeforeAnythingHappens)
{
    GameTable table;
    table.setPosition(startPosition());
    table.rollFor(silberTurn, 1);
    for (const std::int16_t index : {0, 10, 19, 20, 90, 99, -11, 100, 32767}) {
        EXPECT_THROW(table.engine.b_Click(index), std::out_of_range) << index;
        EXPECT_THROW(table.engine.s_Click(index), std::out_of_range) << index;
        EXPECT_THROW(table.engine.g_Click(index), std::out_of_range) << index;
    }
    for (const std::int16_t index : {31, 41, 81}) {
        EXPECT_THROW(table.engine.s_Click(index), std::out_of_range) << index;
        EXPECT_THROW(table.engine.g_Click(index), std::out_of_range) << index;
    }
    EXPECT_TRUE(table.view.log.empty());
    EXPECT_EQ(table.prompt(), "Welche Figur bewegen?");
}

} // namespace
} // namespace bramlow::test
