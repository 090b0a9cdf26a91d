// What only a fault can cause: field names that are no cell, memory texts that do not hold
// what the game wrote, and clicks on cells that do not exist. Nothing may be lost,
// duplicated or crash.
#include "engine_table.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace bramlow::test {
namespace {

// A name with a foreign letter reads 0 and only plays the sound; a grid letter without a
// cell throws before anything happens.
TEST(Lese, namesThatAreNoCellChangeNothing)
{
    GameTable table;
    for (const auto& feld : allFields())
        EXPECT_EQ(table.engine.lese(feld), 0) << feld << " before the first game";
    table.engine.drucke("b34", SILBER_EVEN);
    table.view.log.clear();
    for (const std::string feld : {"B34", "x34", "S21", "", "34"}) {
        EXPECT_EQ(table.engine.lese(feld), 0) << feld;
        table.engine.drucke(feld, SILBER_HOME);
    }
    EXPECT_EQ(table.view.log, Log(5, "play gut.wav"));
    table.view.log.clear();
    for (const std::string feld : {"b09", "b90", "b80", "s31", "g10", "b3", "b345", "bx4", "s29"}) {
        EXPECT_THROW(table.engine.lese(feld), std::out_of_range) << feld;
        EXPECT_THROW(table.engine.drucke(feld, EMPTY_ODD), std::out_of_range) << feld;
    }
    EXPECT_TRUE(table.view.log.empty());
    EXPECT_EQ(table.engine.lese("b34"), SILBER_EVEN);
    EXPECT_EQ(table.engine.lese("b43"), 0);
}

// Silber's piece on the even square b53 is in hand, roll 2.
void silberHoldsB53(GameTable& table)
{
    table.setPosition({"+........+", "S.........", "S.........", "S.........", "...S......", "S.........",
                       "S.........", "S.........", "S.........", "+GGGGGGGG+"});
    table.rollFor(silberTurn, 2, "b53");
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

// A speicher that names no piece in hand (s11 is a cell, but its piece is not lifted), no
// player, or a player who does not own the piece: nothing moves (Gold would otherwise carry
// Silber's piece from b53 to b55), and a turn can still be ended.
TEST(DestinationPhase, withoutAPieceInHandOfThePlayerToMoveNothingMoves)
{
    const std::pair<TextBox, std::string> rows[] = {
        {TextBox::speicher, ""},    {TextBox::speicher, "b99"}, {TextBox::speicher, "x53"},
        {TextBox::speicher, "b5"},  {TextBox::speicher, "s11"}, {TextBox::ausgabe1, "Willkommen bei Bramlow"},
        {TextBox::ausgabe1, goldTurn},
    };
    for (const auto& [box, text] : rows) {
        SCOPED_TRACE('"' + text + '"');
        GameTable table;
        silberHoldsB53(table);
        table.view.setText(box, text);
        const Diagram before = table.position();
        table.view.log.clear();
        table.click("b55");
        EXPECT_TRUE(table.view.log.empty());
        EXPECT_EQ(table.position(), before);
        if (box == TextBox::speicher) {
            table.engine.Image1_Click();
            EXPECT_EQ(table.view.log, (Log{"play ende.wav", "ausgabe1 := Es spielt Spieler Gold",
                                           "ausgabe2 := Bitte wuerfeln!", "Image1 disabled"}));
            EXPECT_EQ(table.position(), before);
        }
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
