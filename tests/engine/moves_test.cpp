// Whole turns on one mid-game position: choosing a piece, the five destination checks in
// their order with their exact messages, distances on the 10 x 10 frame, moving, knocking
// out an opponent and handing the turn over, with every sound, picture and text in order.
// Whole games are played in random_play_test and through the real window.
#include "engine_table.h"

#include <gtest/gtest.h>

#include <set>

namespace bramlow::test {
namespace {

// Free start cells: Silber s16, s15, s11; Gold g13, g14, g16, g17.
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
    "+GG..G..G+",
};

// An accepted choice remembers field and code and shows the piece lifted; a refused one
// plays schlecht.wav alone. Neither touches the message line: the log would show it.
TEST(Choice, anOwnPieceOutsideItsTargetRowIsLiftedAnythingElseRefused)
{
    const std::tuple<const char*, const std::string&, std::string, std::string> rows[] = {
        {"silber start row", silberTurn, "s13", "8"},     {"silber odd square", silberTurn, "b34", "6"},
        {"gold start row", goldTurn, "g15", "11"},        {"gold even square", goldTurn, "b24", "13"},
        {"silber empty square", silberTurn, "b55", ""},   {"silber gold piece", silberTurn, "b43", ""},
        {"silber piece already home", silberTurn, "s24", ""}, {"gold silber piece", goldTurn, "b57", ""},
        {"gold piece already home", goldTurn, "g25", ""}, {"gold empty target cell", goldTurn, "g21", ""},
    };
    for (const auto& [name, player, feld, code] : rows) {
        SCOPED_TRACE(name);
        GameTable table;
        table.setPosition(midGame);
        table.rollFor(player, 2);
        table.click(feld);
        if (code.empty()) {
            EXPECT_EQ(table.view.log, Log{"play schlecht.wav"});
            EXPECT_EQ(table.prompt(), "Welche Figur bewegen?");
            EXPECT_EQ(table.position(), midGame);
        } else {
            const std::string lifted = player == silberTurn ? "07.bmp" : "12.bmp";
            EXPECT_EQ(table.view.log, (Log{"speicher := " + feld, "speicher2 := " + code, "play gut.wav",
                                           feld + " <- " + lifted, "ausgabe2 := Wohin bewegen?"}));
        }
    }
}

TEST(DestinationChecks, firstFailingCheckSpeaksAndThePieceStaysInHand)
{
    const std::string own = "Besetzt vom eigenen Spieler";
    const std::string startRow = "Im Startfeld darf nicht gegangen werden";
    const std::string opponent = "nicht in gegenerische Felder";
    const std::string distance = "Mit Wurf nicht zu erreichen";
    const std::string behind = "Zielreihe sitzt hinter Startreihe";
    const std::tuple<const char*, const std::string&, int, std::string, std::string, const std::string&> rows[] = {
        {"silber clicks the piece in hand", silberTurn, 3, "b57", "b57", own},
        {"silber own piece behind and too far: own first", silberTurn, 3, "b57", "b34", own},
        {"silber own start piece: own before start row", silberTurn, 3, "b57", "s18", own},
        {"silber own piece in target row in reach", silberTurn, 3, "b57", "s24", own},
        {"silber empty own start cell", silberTurn, 3, "b57", "s15", startRow},
        {"silber gold start piece: start row before opponent", silberTurn, 3, "b57", "g15", startRow},
        {"silber empty gold start cell", silberTurn, 3, "b57", "g13", startRow},
        {"silber gold piece in gold target row", silberTurn, 3, "b57", "g25", opponent},
        {"silber four steps back with a three: distance first", silberTurn, 3, "b57", "b53", distance},
        {"silber three steps back", silberTurn, 3, "b57", "b45", behind},
        {"silber no capture backwards", silberTurn, 5, "b57", "b43", behind},
        {"gold own piece ahead", goldTurn, 3, "b24", "b43", own},
        {"gold own piece in target row in reach", goldTurn, 5, "b67", "g25", own},
        {"gold empty own start cell", goldTurn, 1, "g12", "g13", startRow},
        {"gold silber start piece: start row before opponent", goldTurn, 4, "b24", "s12", startRow},
        {"gold silber target piece", goldTurn, 6, "b43", "s24", opponent},
        {"gold no capture downwards", goldTurn, 2, "b43", "b34", behind},
        {"gold three steps with a two", goldTurn, 2, "b24", "b54", distance},
    };
    for (const auto& [name, player, roll, from, to, message] : rows) {
        SCOPED_TRACE(name);
        GameTable table;
        table.setPosition(midGame);
        table.rollFor(player, roll, from);
        const Diagram before = table.position();
        table.click(to);
        EXPECT_EQ(table.view.log, (Log{"play schlecht.wav", "ausgabe11 := " + message}));
        EXPECT_EQ(table.position(), before);
        EXPECT_EQ(table.prompt(), "Wohin bewegen?");
        EXPECT_EQ(table.view.text(TextBox::speicher), from);
    }
}

// Every field that takes the piece, each tried on a fresh table.
std::set<std::string> accepted(const std::string& player, int roll, const std::string& from)
{
    std::set<std::string> fields;
    for (const auto& to : allFields()) {
        GameTable table;
        table.setPosition(midGame);
        table.rollFor(player, roll, from);
        table.click(to);
        if (table.prompt() == "Bitte wuerfeln!")
            fields.insert(to);
    }
    return fields;
}

// Rows and columns count alike, the home rows are the frame's first and last, sideways is
// allowed, backwards never, and what stands in between does not matter (b57 to b87 passes
// b67, b24 to b44 passes b34).
TEST(Distances, countRowsAndColumnsOnTheFrameNeverBackwards)
{
    using Fields = std::set<std::string>;
    EXPECT_EQ(accepted(silberTurn, 3, "s13"), (Fields{"b11", "b22", "b33", "b42", "b51"}));
    EXPECT_EQ(accepted(silberTurn, 3, "b57"), (Fields{"b27", "b87", "b38", "b78", "s26"}));
    EXPECT_EQ(accepted(goldTurn, 1, "g15"), Fields{"b15"});
    EXPECT_EQ(accepted(goldTurn, 2, "b24"), (Fields{"b22", "b26", "b33", "b35", "b44"}));
    EXPECT_EQ(accepted(goldTurn, 3, "b67"), (Fields{"b64", "b75", "b86", "b88", "g27"}));
}

TEST(Move, emptiesTheSourceFillsTheDestinationSendsACapturedPieceHomeAndHandsOver)
{
    // A captured piece goes to the highest-numbered free cell of its start row: g17, s16.
    const std::tuple<const char*, const std::string&, int, std::string, std::string, Log> rows[] = {
        {"silber start row to even square", silberTurn, 3, "s13", "b33", {"s13 <- 04.bmp", "b33 <- 09.bmp"}},
        {"silber into target row", silberTurn, 3, "b57", "s26", {"b57 <- 05.bmp", "s26 <- 08.bmp"}},
        {"silber captures sideways", silberTurn, 1, "b57", "b67",
         {"b57 <- 05.bmp", "b67 <- 06.bmp", "ausgabe11 := Ich schmeisse Gold", "play gut.wav", "g17 <- 11.bmp",
          "play schlagen.wav"}},
        {"gold from start row", goldTurn, 1, "g15", "b15", {"g15 <- 02.bmp", "b15 <- 13.bmp"}},
        {"gold sideways", goldTurn, 2, "b24", "b22", {"b24 <- 05.bmp", "b22 <- 13.bmp"}},
        {"gold captures", goldTurn, 1, "b24", "b34",
         {"b24 <- 05.bmp", "b34 <- 10.bmp", "ausgabe11 := Ich schmeisse Silber", "play gut.wav", "s16 <- 08.bmp",
          "play schlagen.wav"}},
        {"gold into target row", goldTurn, 3, "b67", "g27", {"b67 <- 01.bmp", "g27 <- 11.bmp"}},
    };
    for (const auto& [name, player, roll, from, to, lines] : rows) {
        SCOPED_TRACE(name);
        GameTable table;
        table.setPosition(midGame);
        table.rollFor(player, roll, from);
        table.click(to);
        Log expected = {"ausgabe11 := Ich gehe!", "play gut.wav", lines[0], "play gut.wav"};
        expected.insert(expected.end(), lines.begin() + 1, lines.end());
        expected.insert(expected.end(), {"ausgabe1 := " + (player == silberTurn ? goldTurn : silberTurn),
                                         "Image1 disabled", "ausgabe2 := Bitte wuerfeln!"});
        EXPECT_EQ(table.view.log, expected);
        EXPECT_EQ(table.view.text(TextBox::speicher), from) << "kept until the next choice";
    }
}

} // namespace
} // namespace bramlow::test
