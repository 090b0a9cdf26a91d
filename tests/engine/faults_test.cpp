// What only a fault can cause: field names that are no cell, memory texts that do not hold
// what the game wrote, and a random source that breaks its promise. Nothing may be lost,
// duplicated, hang or crash.
#include "engine_table.h"

#include "engine/die.h"

#include <algorithm>
#include <limits>

namespace bramlow::test {
namespace {

// A name with a foreign letter reads 0 and drucke only plays the sound; a grid letter without
// a cell throws before anything happens, as does a click on an index that no control has.
TEST(Faults, namesAndIndexesThatAreNoCellChangeNothing)
{
    GameTable table;
    EXPECT_EQ(table.engine.lese("b11"), 0) << "before the first game";
    table.setPosition(startPosition);
    for (const std::string feld : {"B34", "x34", "S21", ""}) {
        EXPECT_EQ(table.engine.lese(feld), 0) << feld;
        table.engine.drucke(feld, SILBER_HOME);
    }
    EXPECT_EQ(table.view.log, Log(4, "play gut.wav"));
    table.setTexts(silberTurn, "Welche Figur bewegen?");
    for (const std::string feld : {"b09", "b90", "s31", "g10", "b3", "b345", "bx4"}) {
        EXPECT_THROW(table.engine.lese(feld), std::out_of_range) << feld;
        EXPECT_THROW(table.engine.drucke(feld, EMPTY_ODD), std::out_of_range) << feld;
    }
    for (const std::int16_t index : {0, 10, 19, 90, -11, 32767})
        EXPECT_THROW(table.engine.b_Click(index), std::out_of_range) << index;
    EXPECT_THROW(table.engine.s_Click(31), std::out_of_range);
    EXPECT_THROW(table.engine.g_Click(81), std::out_of_range);
    EXPECT_TRUE(table.view.log.empty());
    EXPECT_EQ(table.position(), startPosition);
}

// Silber holds b57 (an even square) after a roll of 2 and `box` is overwritten; then Silber
// moves it sideways to b77 or ends the turn. A speicher2 without a code of Silber's piece is
// worked out from the square: the piece moves, or goes back as SILBER_EVEN. A speicher that
// names no piece in hand (s13 holds one, not lifted) leaves it lifted; an ausgabe1 without
// its holder moves nothing (Gold would otherwise carry Silber's piece) but ends the turn.
TEST(Faults, brokenMemoryTextsNeitherLoseNorDuplicateAPiece)
{
    const Diagram position = {"+........+", "S.........", "S.........", "S.........", ".......S..",
                              "S.........", "S.........", "S.........", "S.........", "+GGGGGGGG+"};
    const Log move = {"ausgabe11 := Ich gehe!", "play gut.wav", "b57 <- 05.bmp", "play gut.wav", "b77 <- 09.bmp",
                      "ausgabe1 := " + goldTurn, "Image1 disabled", "ausgabe2 := Bitte wuerfeln!"};
    const std::pair<TextBox, std::string> rows[] = {
        {TextBox::speicher2, ""},   {TextBox::speicher2, "neun"}, {TextBox::speicher2, "9x"},
        {TextBox::speicher2, " 9"}, {TextBox::speicher2, "-9"},   {TextBox::speicher2, "99999"},
        {TextBox::speicher2, "7"},  {TextBox::speicher2, "5"},    {TextBox::speicher2, "13"},
        {TextBox::speicher, ""},    {TextBox::speicher, "b99"},   {TextBox::speicher, "s13"},
        {TextBox::ausgabe1, goldTurn},
    };
    for (const auto& [box, text] : rows) {
        EXPECT_EQ(turn(position, silberTurn, 2, "b57", "b77", {{box, text}}), box == TextBox::speicher2 ? move : Log{})
            << '"' << text << '"';
        const Log ended = turn(position, silberTurn, 2, "b57", "", {{box, text}});
        EXPECT_EQ(std::ranges::count(ended, "b57 <- 09.bmp"), box == TextBox::speicher ? 0 : 1) << '"' << text << '"';
    }
}

// Faces 1..6 come from int(x * 5.4 + 1); outside that the die draws again, 64 times at most.
TEST(Faults, theDieDrawsAgainOutsideOneToSixAndGivesUpAfter64Draws)
{
    ScriptedDie bad;
    bad.values = {1.2f, -0.5f, std::numeric_limits<float>::quiet_NaN(), 3.0e9f, 0.5f};
    EXPECT_EQ(rollDie(bad), 3);
    bad.values.assign(1'000, 1.2f);
    EXPECT_THROW(rollDie(bad), std::domain_error);
    EXPECT_EQ(bad.values.size(), 1'000u - 64u);
}

} // namespace
} // namespace bramlow::test
