// Whole turns: refused clicks and the five destination checks in their order, distances on
// the 10 x 10 frame, moves and captures with every sound, picture and text in order, ending
// a turn, the win, the welcome and a new game, which clicks each phase ignores, and what only
// a fault can cause (names that are no cell, memory texts that do not hold what the game
// wrote), where nothing may be lost, duplicated or crash.
#include "engine_table.h"

#include <algorithm>
#include <set>

namespace bramlow::test {
namespace {

// Free start cells: Silber s16, s15, s11; Gold g13, g14, g16, g17.
const Diagram midGame = {"+....G...+", "S.........", "S.........", ".......G..", ".......S..",
                         "S..G.....S", "S...S.....", "S...G.....", "..........", "+GG..G..G+"};

// A refused choice plays schlecht.wav alone; a refused destination also names the first
// check that fails, and the piece stays in hand.
TEST(Refusal, changesNothingAndNamesTheFirstFailingCheck)
{
    const std::tuple<const char*, const std::string&, int, std::string, std::string, std::string> rows[] = {
        {"silber piece already in its target row", silberTurn, 3, "", "s24", ""},
        {"gold piece already in its target row", goldTurn, 2, "", "g25", ""},
        {"the piece in hand", silberTurn, 3, "b57", "b57", "Besetzt vom eigenen Spieler"},
        {"own piece behind and too far: own first", silberTurn, 3, "b57", "b34", "Besetzt vom eigenen Spieler"},
        {"own start piece: own before start row", silberTurn, 3, "b57", "s18", "Besetzt vom eigenen Spieler"},
        {"empty own start cell", silberTurn, 3, "b57", "s15", "Im Startfeld darf nicht gegangen werden"},
        {"gold start piece: start row first", silberTurn, 3, "b57", "g15", "Im Startfeld darf nicht gegangen werden"},
        {"gold piece in gold target row", silberTurn, 3, "b57", "g25", "nicht in gegenerische Felder"},
        {"silber target piece", goldTurn, 6, "b43", "s24", "nicht in gegenerische Felder"},
        {"four steps back with a three: distance first", silberTurn, 3, "b57", "b53", "Mit Wurf nicht zu erreichen"},
        {"no capture backwards", silberTurn, 5, "b57", "b43", "Zielreihe sitzt hinter Startreihe"},
        {"gold no capture downwards", goldTurn, 2, "b43", "b34", "Zielreihe sitzt hinter Startreihe"},
    };
    for (const auto& [name, player, roll, from, to, message] : rows) {
        const Log refused =
            message.empty() ? Log{"play schlecht.wav"} : Log{"play schlecht.wav", "ausgabe11 := " + message};
        EXPECT_EQ(turn(midGame, player, roll, from, to), refused) << name;
    }
}

// Rows and columns count alike, the home rows are the frame's first and last, sideways is
// allowed, backwards never, and what stands in between does not matter (b57 to b87 passes
// b67, b24 to b44 passes b34).
TEST(Distances, countRowsAndColumnsOnTheFrameNeverBackwards)
{
    // Every field that takes the piece, each tried on a fresh table.
    const auto accepted = [](const std::string& player, int roll, const std::string& from) {
        std::set<std::string> fields;
        for (const auto& to : allFields)
            if (turn(midGame, player, roll, from, to).back() == "ausgabe2 := Bitte wuerfeln!")
                fields.insert(to);
        return fields;
    };
    using Fields = std::set<std::string>;
    EXPECT_EQ(accepted(silberTurn, 3, "s13"), (Fields{"b11", "b22", "b33", "b42", "b51"}));
    EXPECT_EQ(accepted(silberTurn, 3, "b57"), (Fields{"b27", "b87", "b38", "b78", "s26"}));
    EXPECT_EQ(accepted(goldTurn, 1, "g15"), Fields{"b15"});
    EXPECT_EQ(accepted(goldTurn, 2, "b24"), (Fields{"b22", "b26", "b33", "b35", "b44"}));
    EXPECT_EQ(accepted(goldTurn, 3, "b67"), (Fields{"b64", "b75", "b86", "b88", "g27"}));
}

// The arriving piece takes the colour of its square (Silber 09.bmp on even, 06.bmp on odd;
// Gold 13.bmp, 10.bmp); a captured piece goes to the highest free start cell, g17 or s16.
// Silber's plain moves out of its start row and into its target row make up the window's
// whole game.
TEST(Move, emptiesTheSourceFillsTheDestinationSendsACapturedPieceHomeAndHandsOver)
{
    const std::tuple<const char*, const std::string&, int, std::string, std::string, std::string> rows[] = {
        {"silber captures sideways, odd square", silberTurn, 1, "b57 <- 05.bmp", "b67 <- 06.bmp", "g17 <- 11.bmp"},
        {"silber captures on an even square", silberTurn, 4, "s12 <- 04.bmp", "b24 <- 09.bmp", "g17 <- 11.bmp"},
        {"gold from its start row", goldTurn, 1, "g15 <- 02.bmp", "b15 <- 13.bmp", ""},
        {"gold captures on an odd square", goldTurn, 1, "b24 <- 05.bmp", "b34 <- 10.bmp", "s16 <- 08.bmp"},
        {"gold captures on an even square", goldTurn, 5, "b43 <- 01.bmp", "b57 <- 13.bmp", "s16 <- 08.bmp"},
        {"gold into its target row", goldTurn, 3, "b67 <- 01.bmp", "g27 <- 11.bmp", ""},
    };
    for (const auto& [name, player, roll, departure, arrival, captured] : rows) {
        Log expected = {"ausgabe11 := Ich gehe!", "play gut.wav", departure, "play gut.wav", arrival};
        const std::string whom = captured.starts_with('s') ? "Silber" : "Gold";
        if (!captured.empty())
            expected.insert(expected.end(),
                            {"ausgabe11 := Ich schmeisse " + whom, "play gut.wav", captured, "play schlagen.wav"});
        expected.insert(expected.end(),
                        {"ausgabe1 := " + (player == silberTurn ? goldTurn : silberTurn), "Image1 disabled",
                         "ausgabe2 := Bitte wuerfeln!"});
        EXPECT_EQ(turn(midGame, player, roll, departure.substr(0, 3), arrival.substr(0, 3)), expected) << name;
    }
}

// Ending a turn with Image1 puts a piece in hand back with the code remembered at pick-up: a
// Gold piece here, Silber's from an even square under Faults below. Every other piece in hand
// comes back in the random session, whose invariants check its code, and a turn without one
// ends in the window's whole game. The eighth piece in the target row ends the game at once:
// both have seven pieces home, Silber's eighth stands on b78 a step from s27, Gold's on b87 a
// step from g27, and Gold moves (Silber's win ends the window's whole game).
TEST(TurnEnd, theLogoPutsAPieceInHandBackAndTheEighthPieceHomeWinsAtOnce)
{
    EXPECT_EQ(turn(midGame, goldTurn, 2, "b24", ""),
              (Log{"play ende.wav", "ausgabe1 := " + silberTurn, "play gut.wav", "b24 <- 13.bmp",
                   "ausgabe2 := Bitte wuerfeln!", "Image1 disabled"}));
    const Diagram oneStepEach = {"+GGGGGG.G+", ".......G.S", "........S.", ".........S", ".........S",
                                 ".........S", ".........S", ".........S", ".........S", "+........+"};
    EXPECT_EQ(turn(oneStepEach, goldTurn, 1, "b87", "g27"),
              (Log{"ausgabe11 := Ich gehe!", "play gut.wav", "b87 <- 01.bmp", "play gut.wav", "g27 <- 11.bmp",
                   "ausgabe2 := ", "ausgabe1 := Glückwunsch!\r\nGewonnen hat Spieler Gold", "play winner.wav"}));
}

// The die answers only the roll phase, the cells only the choice and the destination (the
// prompts ending in '?'). Prompts are compared exactly, and "" is the prompt after a win.
// Then, while a piece is to be chosen, a name with a foreign letter reads 0 and drucke only
// plays the sound; a grid letter without a cell throws before anything happens, as does a
// click on an index that no control has.
TEST(Faults, clicksOutsideTheirPhaseAndNamesThatAreNoCellChangeNothing)
{
    GameTable table;
    table.setPosition(startPosition);
    for (const std::string prompt : {"Bitte neues Spiel wählen!", "Bitte wuerfeln!", "Wohin bewegen?",
                                     "Bitte wuerfeln", "Welche Figur bewegen", "", "Welche Figur bewegen?"}) {
        table.setTexts(silberTurn, prompt);
        if (prompt != "Bitte wuerfeln!")
            table.engine.wuerfel_Click();
        if (!prompt.ends_with('?'))
            for (const auto& feld : allFields)
                table.click(feld);
        EXPECT_TRUE(table.log.empty()) << '"' << prompt << '"';
    }
    table.engine.drucke("x34", SILBER_HOME);
    EXPECT_EQ(table.engine.lese("B34"), 0);
    for (const std::string feld : {"b09", "b90", "b19", "s31", "g10", "g81", "b3", "b345"}) {
        EXPECT_THROW(table.engine.drucke(feld, EMPTY_ODD), std::out_of_range) << feld;
        EXPECT_THROW(table.click(feld), std::out_of_range) << feld;
    }
    EXPECT_EQ(table.log, Log{"play gut.wav"});
    EXPECT_EQ(table.symbols(), flat(startPosition));
}

// After the welcome (its texts open the window's whole game) a new game sets up the board, and
// a draw of 0.5 already gives Gold the start.
TEST(NewGame, afterTheWelcomeSetsUpTheBoardAndDrawsTheStarter)
{
    GameTable table;
    table.engine.Main();
    for (const auto& [x, starter] : {std::pair{0.49999997f, silberTurn}, {0.5f, goldTurn}}) {
        table.draws = {x};
        table.engine.neu_but_Click();
        EXPECT_EQ(table.symbols(), flat(startPosition));
        EXPECT_EQ(table.player(), starter) << x;
    }
}

// Silber holds b57 (an even square) after a roll of 2 and `box` is overwritten; then Silber
// moves it sideways to b77 (passing Gold on b67) or ends the turn. A speicher2 that is not the
// code of Silber's piece on b57 (another player's, another square's) is worked out from the
// square: the piece moves, or goes back as SILBER_EVEN. A speicher that names no piece in
// hand (s13 holds one, not lifted) leaves it lifted; an ausgabe1 without its holder moves
// nothing (Gold would otherwise carry Silber's piece) but ends the turn.
TEST(Faults, brokenMemoryTextsNeitherLoseNorDuplicateAPiece)
{
    const Log move = {"ausgabe11 := Ich gehe!",  "play gut.wav",    "b57 <- 05.bmp", "play gut.wav", "b77 <- 09.bmp",
                      "ausgabe1 := " + goldTurn, "Image1 disabled", "ausgabe2 := Bitte wuerfeln!"};
    const std::pair<TextBox, std::string> rows[] = {
        {TextBox::speicher2, ""},   {TextBox::speicher2, "neun"},  {TextBox::speicher2, " 9"},
        {TextBox::speicher2, "7"},  {TextBox::speicher2, "99999"}, {TextBox::speicher2, "13"},
        {TextBox::speicher2, "8"},  {TextBox::speicher2, "6"},
        {TextBox::speicher, "b99"}, {TextBox::speicher, "s13"},    {TextBox::ausgabe1, goldTurn},
    };
    for (const auto& [box, text] : rows) {
        EXPECT_EQ(turn(midGame, silberTurn, 2, "b57", "b77", {{box, text}}), box == TextBox::speicher2 ? move : Log{})
            << '"' << text << '"';
        const Log ended = turn(midGame, silberTurn, 2, "b57", "", {{box, text}});
        EXPECT_EQ(std::ranges::count(ended, "b57 <- 09.bmp"), box == TextBox::speicher ? 0 : 1) << '"' << text << '"';
    }
}

} // namespace
} // namespace bramlow::test
