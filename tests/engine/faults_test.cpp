// What only a fault can cause: memory texts that do not hold what the game wrote, and
// clicks on cells that do not exist. Nothing may be lost, duplicated or crash.
#include "engine_table.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace bramlow::test {
namespace {

// Silber's piece on the even square b53 is in hand, roll 2.
void silberHoldsB53(GameTable& table)
{
    table.setPosition({"+........+", "S.........", "S.........", "S.........", "...S......", "S.........",
                       "S.........", "S.........", "S.........", "+GGGGGGGG+"});
    table.pickUpFor(silberTurn, 2, "b53");
}

TEST(Speicher2, withoutACodeOfTheOwnersPieceTheCodeIsWorkedOutFromTheSquare)
{
    for (const std::string text : {"", "neun", "9x", " 9", "99999", "-9", "7", "5", "0", "13"}) {
        SCOPED_TRACE('"' + text + '"');
        GameTable moving;
        silberHoldsB53(moving);
        moving.view.setText(TextBox::speicher2, text);
        moving.click("b55");
        EXPECT_EQ(moving.position()[4], ".....S....");

        GameTable ending;
        silberHoldsB53(ending);
        ending.view.setText(TextBox::speicher2, text);
        ending.engine.Image1_Click();
        EXPECT_EQ(ending.engine.lese("b53"), SILBER_EVEN);
    }
}

TEST(Speicher, namingNoCellMovesNothingAndTheTurnCanStillEnd)
{
    for (const std::string text : {"", "b99", "x53", "b5"}) {
        GameTable table;
        silberHoldsB53(table);
        table.view.setText(TextBox::speicher, text);
        const Diagram before = table.position();
        table.view.log.clear();
        table.click("b55");
        EXPECT_TRUE(table.view.log.empty()) << text;
        table.engine.Image1_Click();
        EXPECT_EQ(table.view.log, (Log{"play ende.wav", "ausgabe1 := Es spielt Spieler Gold",
                                       "ausgabe2 := Bitte wuerfeln!", "Image1 disabled"}));
        EXPECT_EQ(table.position(), before);
    }
}

TEST(DestinationPhase, withoutAPlayerOrALiftedPieceNothingMoves)
{
    GameTable noPlayer;
    silberHoldsB53(noPlayer);
    noPlayer.view.setText(TextBox::ausgabe1, "Willkommen bei Bramlow");
    GameTable notLifted;
    silberHoldsB53(notLifted);
    notLifted.view.setText(TextBox::speicher, "s11");
    notLifted.view.setText(TextBox::speicher2, "8");
    for (GameTable* table : {&noPlayer, &notLifted}) {
        table->view.log.clear();
        table->click("b55");
        EXPECT_TRUE(table->view.log.empty());
        EXPECT_EQ(table->engine.lese("b55"), EMPTY_EVEN);
    }
}

TEST(CellClick, anIndexThatNoControlHasThrowsBeforeAnythingHappens)
{
    GameTable table;
    table.setPosition(startPosition());
    table.rollFor(silberTurn, 1);
    for (const std::int16_t index : {0, 10, 19, 20, 90, 99, -11, 100, 32767}) {
        EXPECT_THROW(table.engine.b_Click(index), std::out_of_range) << index;
        EXPECT_THROW(table.engine.s_Click(index), std::out_of_range) << index;
        EXPECT_THROW(table.engine.g_Click(index), std::out_of_range) << index;
    }
    EXPECT_THROW(table.engine.s_Click(31), std::out_of_range);
    EXPECT_THROW(table.engine.g_Click(81), std::out_of_range);
    EXPECT_TRUE(table.view.log.empty());
}

} // namespace
} // namespace bramlow::test
