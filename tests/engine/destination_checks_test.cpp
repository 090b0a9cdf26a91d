// The five destination checks in their order, with their exact messages, and distances on
// the 10 x 10 frame with the home rows around the board.
#include "engine_table.h"

#include <gtest/gtest.h>

#include <set>

namespace bramlow::test {
namespace {

const Diagram silberOnB57 = {
    "+......G.+",
    "S.........",
    "..........",
    ".....G...S",
    ".S..S..S..",
    "S.........",
    "S.........",
    "S......G..",
    "..........",
    "+GG.G..GG+",
};

const Diagram goldOnB44 = {
    "+.....GG.+",
    "..........",
    "..........",
    "....G.....",
    "....S....S",
    "S...G....S",
    "S..S......",
    "S.........",
    "S.........",
    "+GG.GG...+",
};

TEST(DestinationChecks, firstFailingCheckSpeaksAndThePieceStaysInHand)
{
    const std::string own = "Besetzt vom eigenen Spieler";
    const std::string startRow = "Im Startfeld darf nicht gegangen werden";
    const std::string opponent = "nicht in gegenerische Felder";
    const std::string distance = "Mit Wurf nicht zu erreichen";
    const std::string behind = "Zielreihe sitzt hinter Startreihe";
    struct Row {
        const char* name;
        const Diagram& position;
        const std::string& player;
        int roll;
        std::string from, to;
        const std::string& message;
    };
    const Row rows[] = {
        {"silber clicks the lifted piece", silberOnB57, silberTurn, 3, "b57", "b57", own},
        {"silber own piece behind: own before backwards", silberOnB57, silberTurn, 3, "b57", "b54", own},
        {"silber own piece in target row at distance 3", silberOnB57, silberTurn, 3, "b57", "s26", own},
        {"silber own start piece: own before start row", silberOnB57, silberTurn, 3, "b57", "s18", own},
        {"silber empty own start cell", silberOnB57, silberTurn, 3, "b57", "s15", startRow},
        {"silber empty gold start cell: start row before opponent", silberOnB57, silberTurn, 3, "b57", "g15", startRow},
        {"silber gold piece in gold start row", silberOnB57, silberTurn, 3, "b57", "g17", startRow},
        {"silber gold piece in gold target row", silberOnB57, silberTurn, 3, "b57", "g27", opponent},
        {"silber empty gold target cell", silberOnB57, silberTurn, 3, "b57", "g28", opponent},
        {"silber four steps with a three", silberOnB57, silberTurn, 3, "b57", "b53", distance},
        {"silber one step with a three", silberOnB57, silberTurn, 3, "b57", "b56", distance},
        {"silber own target row too far", silberOnB57, silberTurn, 3, "b57", "s28", distance},
        {"silber three steps back", silberOnB57, silberTurn, 3, "b57", "b45", behind},
        {"silber no capture backwards", silberOnB57, silberTurn, 3, "b57", "b65", behind},
        {"gold own piece ahead", goldOnB44, goldTurn, 2, "b44", "b64", own},
        {"gold own piece in target row at distance 5", goldOnB44, goldTurn, 5, "b64", "g26", own},
        {"gold own empty start cell", goldOnB44, goldTurn, 2, "g12", "g13", startRow},
        {"gold silber start piece", goldOnB44, goldTurn, 2, "b44", "s14", startRow},
        {"gold silber target piece", goldOnB44, goldTurn, 2, "b44", "s24", opponent},
        {"gold empty silber target cell", goldOnB44, goldTurn, 2, "b44", "s23", opponent},
        {"gold two steps down", goldOnB44, goldTurn, 2, "b44", "b24", behind},
        {"gold no capture downwards", goldOnB44, goldTurn, 2, "b44", "b33", behind},
        {"gold three steps with a two", goldOnB44, goldTurn, 2, "b44", "b74", distance},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        GameTable table;
        table.setPosition(row.position);
        table.view.setMessage("vorher");
        table.pickUpFor(row.player, row.roll, row.from);
        const Diagram before = table.position();
        table.click(row.to);
        EXPECT_EQ(table.view.log, (Log{"play schlecht.wav", "ausgabe11 := " + row.message}));
        EXPECT_EQ(table.position(), before);
        EXPECT_EQ(table.prompt(), "Wohin bewegen?");
        EXPECT_EQ(table.view.text(TextBox::speicher), row.from);
    }
}

// Every field that takes the piece, each tried on a fresh table.
std::set<std::string> accepted(const Diagram& position, const std::string& player, int roll, const std::string& from)
{
    std::set<std::string> fields;
    for (const auto& to : allFields()) {
        GameTable table;
        table.setPosition(position);
        table.pickUpFor(player, roll, from);
        table.click(to);
        if (table.prompt() == "Bitte wuerfeln!")
            fields.insert(to);
    }
    return fields;
}

TEST(Distances, countRowsAndColumnsOnTheFrameNeverBackwards)
{
    const Diagram silberOnB57Alone = {"+........+", "S.........", "S.........", "S.........", ".......S..",
                                      "S.........", "S.........", "S.........", "S.........", "+GGGGGGGG+"};
    const Diagram goldOnB83 = {"+........+", "S..G......", "S.........", "S.........", "S.........",
                               "S.........", "S.........", "S.........", "S.........", "+G.GGGGGG+"};
    EXPECT_EQ(accepted(startPosition(), silberTurn, 3, "s13"), (std::set<std::string>{"b33", "b22", "b42", "b11", "b51"}));
    EXPECT_EQ(accepted(silberOnB57Alone, silberTurn, 3, "b57"),
              (std::set<std::string>{"b27", "b87", "b38", "b78", "s24", "s26"}));
    EXPECT_EQ(accepted(startPosition(), goldTurn, 1, "g15"), std::set<std::string>{"b15"});
    EXPECT_EQ(accepted(goldOnB83, goldTurn, 2, "b83"), (std::set<std::string>{"b81", "b85", "g22", "g24"}));
}

TEST(Distances, goldNeighboursInTheStartRowAreOwnPiecesOrStartCells)
{
    GameTable table;
    table.setPosition(startPosition());
    table.pickUpFor(goldTurn, 1, "g15");
    table.click("g14");
    EXPECT_EQ(table.view.message, "Besetzt vom eigenen Spieler");

    table.setPosition({"+........+", "S.........", "S.........", "S.........", "S.........", "S.........",
                       "S.........", "S.GGGGGG..", "S.G.......", "+....G...+"});
    table.pickUpFor(goldTurn, 1, "g15");
    for (const std::string to : {"g14", "g16"}) {
        table.click(to);
        EXPECT_EQ(table.view.message, "Im Startfeld darf nicht gegangen werden") << to;
    }
}

TEST(Distances, fieldsInBetweenDoNotMatter)
{
    GameTable table;
    table.setPosition({"+........+", "S.........", "S.........", "S.........", "S.........", "S.........",
                       "S.........", "S.........", ".SGG......", "+..GGGGGG+"});
    table.pickUpFor(silberTurn, 3, "b11");
    table.click("b14");
    EXPECT_EQ(table.prompt(), "Bitte wuerfeln!");
    EXPECT_EQ(table.position()[8], "..GGS.....");
}

} // namespace
} // namespace bramlow::test
