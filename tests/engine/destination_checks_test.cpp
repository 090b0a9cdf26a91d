// The five destination checks, in their order, with their exact messages; distances on
// the 10 x 10 frame with the home rows around the board.
#include "game_table.h"

#include "engine/destination_checks.h"

#include <gtest/gtest.h>

#include <set>

namespace bramlow::test {
namespace {

// Silber to move; the piece on b57 will be picked up with a roll of 3.
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

// Gold to move; the piece on b44 will be picked up with a roll of 2.
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

struct RefusalCase {
    const char* name;
    const Diagram* position;
    const std::string* player;
    int roll;
    std::string source;
    std::string destination;
    std::string message;
};

class RefusedDestination : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(RefusedDestination, playsSchlechtShowsTheMessageAndKeepsThePieceInHand)
{
    const RefusalCase& c = GetParam();
    GameTable table;
    table.setPosition(*c.position);
    table.view.setMessage("vorher");
    table.pickUpFor(*c.player, c.roll, c.source);
    const Diagram before = table.position();

    table.click(c.destination);

    EXPECT_EQ(table.view.log, (std::vector<std::string>{"play schlecht.wav", "ausgabe11 := " + c.message}));
    EXPECT_EQ(table.position(), before);
    EXPECT_EQ(table.prompt(), "Wohin bewegen?");
    EXPECT_EQ(table.player(), *c.player);
    EXPECT_EQ(table.view.text(TextBox::speicher), c.source);
}

const std::string own = "Besetzt vom eigenen Spieler";
const std::string startRow = "Im Startfeld darf nicht gegangen werden";
const std::string opponent = "nicht in gegenerische Felder";
const std::string distance = "Mit Wurf nicht zu erreichen";
const std::string behind = "Zielreihe sitzt hinter Startreihe";

INSTANTIATE_TEST_SUITE_P(InOrder, RefusedDestination,
    ::testing::Values(
        RefusalCase{"silber_clicks_the_picked_up_piece", &silberOnB57, &silberTurn, 3, "b57", "b57", own},
        RefusalCase{"silber_own_piece_behind_beats_backwards", &silberOnB57, &silberTurn, 3, "b57", "b54", own},
        RefusalCase{"silber_own_piece_in_target_row_at_distance", &silberOnB57, &silberTurn, 3, "b57", "s26", own},
        RefusalCase{"silber_own_piece_in_start_row_beats_start_row", &silberOnB57, &silberTurn, 3, "b57", "s18", own},
        RefusalCase{"silber_empty_own_start_cell", &silberOnB57, &silberTurn, 3, "b57", "s15", startRow},
        RefusalCase{"silber_empty_gold_start_cell_start_row_first", &silberOnB57, &silberTurn, 3, "b57", "g15", startRow},
        RefusalCase{"silber_gold_piece_in_gold_start_row", &silberOnB57, &silberTurn, 3, "b57", "g17", startRow},
        RefusalCase{"silber_gold_piece_in_gold_target_row", &silberOnB57, &silberTurn, 3, "b57", "g27", opponent},
        RefusalCase{"silber_empty_gold_target_cell", &silberOnB57, &silberTurn, 3, "b57", "g28", opponent},
        RefusalCase{"silber_four_steps_with_a_three", &silberOnB57, &silberTurn, 3, "b57", "b53", distance},
        RefusalCase{"silber_one_step_with_a_three", &silberOnB57, &silberTurn, 3, "b57", "b56", distance},
        RefusalCase{"silber_own_target_row_too_far", &silberOnB57, &silberTurn, 3, "b57", "s28", distance},
        RefusalCase{"silber_three_steps_backwards", &silberOnB57, &silberTurn, 3, "b57", "b45", behind},
        RefusalCase{"silber_no_capture_backwards", &silberOnB57, &silberTurn, 3, "b57", "b65", behind},
        RefusalCase{"silber_from_start_row_needs_exact_roll", &silberOnB57, &silberTurn, 3, "s14", "b41", distance},
        RefusalCase{"gold_own_piece_ahead", &goldOnB44, &goldTurn, 2, "b44", "b64", own},
        RefusalCase{"gold_own_piece_in_target_row_at_distance", &goldOnB44, &goldTurn, 5, "b64", "g26", own},
        RefusalCase{"gold_own_start_row_empty", &goldOnB44, &goldTurn, 2, "g12", "g13", startRow},
        RefusalCase{"gold_silber_start_row_with_silber", &goldOnB44, &goldTurn, 2, "b44", "s14", startRow},
        RefusalCase{"gold_silber_target_row_with_silber", &goldOnB44, &goldTurn, 2, "b44", "s24", opponent},
        RefusalCase{"gold_silber_target_row_empty", &goldOnB44, &goldTurn, 2, "b44", "s23", opponent},
        RefusalCase{"gold_two_steps_down", &goldOnB44, &goldTurn, 2, "b44", "b24", behind},
        RefusalCase{"gold_no_capture_downwards", &goldOnB44, &goldTurn, 2, "b44", "b33", behind},
        RefusalCase{"gold_diagonal_down", &goldOnB44, &goldTurn, 2, "b44", "b35", behind},
        RefusalCase{"gold_three_steps_with_a_two", &goldOnB44, &goldTurn, 2, "b44", "b74", distance}),
    [](const auto& info) { return std::string(info.param.name); });

// Every field that accepts the piece, found by trying all 96 on a fresh table each.
std::set<std::string> acceptedDestinations(const Diagram& position, const std::string& player, int roll,
                                           const std::string& source)
{
    std::set<std::string> accepted;
    for (const auto& destination : allFieldNames()) {
        GameTable table;
        table.setPosition(position);
        table.pickUpFor(player, roll, source);
        table.click(destination);
        if (table.prompt() == "Bitte wuerfeln!")
            accepted.insert(destination);
    }
    return accepted;
}

TEST(AcceptedDestinations, silberFromS13WithRoll3)
{
    EXPECT_EQ(acceptedDestinations(startPosition(), silberTurn, 3, "s13"),
              (std::set<std::string>{"b33", "b22", "b42", "b11", "b51"}));
}

TEST(AcceptedDestinations, silberFromB57WithRoll3ReachesSidewaysAndTheTargetRow)
{
    const Diagram position = {
        "+........+",
        "S.........",
        "S.........",
        "S.........",
        ".......S..",
        "S.........",
        "S.........",
        "S.........",
        "S.........",
        "+GGGGGGGG+",
    };
    EXPECT_EQ(acceptedDestinations(position, silberTurn, 3, "b57"),
              (std::set<std::string>{"b27", "b87", "b38", "b78", "s24", "s26"}));
}

TEST(AcceptedDestinations, goldFromG15WithRoll1OnlyReachesB15)
{
    EXPECT_EQ(acceptedDestinations(startPosition(), goldTurn, 1, "g15"), (std::set<std::string>{"b15"}));
}

TEST(AcceptedDestinations, goldNeighboursInTheStartRow)
{
    GameTable table;
    table.setPosition(startPosition());
    table.pickUpFor(goldTurn, 1, "g15");
    table.click("g14");
    EXPECT_EQ(table.view.message, own);

    const Diagram lonely = {
        "+........+",
        "S.........",
        "S.........",
        "S.........",
        "S.........",
        "S.........",
        "S.........",
        "S.GGGGGG..",
        "S.G.......",
        "+....G...+",
    };
    GameTable alone;
    alone.setPosition(lonely);
    alone.pickUpFor(goldTurn, 1, "g15");
    alone.click("g16");
    EXPECT_EQ(alone.view.message, startRow);
    alone.click("g14");
    EXPECT_EQ(alone.view.message, startRow);
}

TEST(AcceptedDestinations, goldIntoItsTargetRowFromTheTopBoardRow)
{
    const Diagram position = {
        "+........+",
        "S..G......",
        "S.........",
        "S.........",
        "S.........",
        "S.........",
        "S.........",
        "S.........",
        "S.........",
        "+G.GGGGGG+",
    };
    EXPECT_EQ(acceptedDestinations(position, goldTurn, 2, "b83"), (std::set<std::string>{"b81", "b85", "g22", "g24"}));
}

TEST(AcceptedDestinations, jumpsOverOccupiedFields)
{
    const Diagram position = {
        "+........+",
        "S.........",
        "S.........",
        "S.........",
        "S.........",
        "S.........",
        "S.........",
        "S.........",
        ".SGG......",
        "+..GGGGGG+",
    };
    GameTable table;
    table.setPosition(position);
    table.pickUpFor(silberTurn, 3, "b11");
    table.click("b14");
    EXPECT_EQ(table.prompt(), "Bitte wuerfeln!");
    EXPECT_EQ(table.position()[8], "..GGS.....");
}

TEST(FramePosition, homeRowsFormTheRingAroundTheBoard)
{
    const std::vector<std::pair<std::string, FramePosition>> rows = {
        {"b34", {3, 4}}, {"s13", {3, 0}}, {"s27", {7, 9}}, {"g15", {0, 5}}, {"g22", {9, 2}}, {"b81", {8, 1}},
    };
    for (const auto& [feld, expected] : rows)
        EXPECT_EQ(framePosition(*cellNamed(feld)), expected) << feld;
}

} // namespace
} // namespace bramlow::test
