// The computer's choice as the window asks for it: the move that is clearly best where there
// is one, and nothing without a player's turn. Whole games through the engine's handlers are
// played by bench/engine/computer_tournament, which stops at the first move the engine refuses.
#include "engine_table.h"

#include "engine/computer_player.h"

namespace bramlow::test {
namespace {

std::string nameOf(const CellClick& click) { return click.letter + std::to_string(click.index); }

// Silber's eighth piece stands on b78 a step from s27, Gold's on b68 a step below it and
// four from g27.
TEST(ComputerPlayer, takesTheWinOrTheCaptureThatIsClearlyBest)
{
    const Diagram oneStepEach = {"+GGGGGG.G+", ".........S", "........S.", "........GS", ".........S",
                                 ".........S", ".........S", ".........S", ".........S", "+........+"};
    const std::tuple<const char*, std::string, int, std::string, std::string> rows[] = {
        {"silber wins rather than capture", silberTurn, 1, "b78", "s27"},
        {"gold sends the piece about to win home", goldTurn, 1, "b68", "b78"},
        {"gold wins", goldTurn, 4, "b68", "g27"},
        {"no turn after a win", "Glückwunsch!\r\nGewonnen hat Spieler Gold", 4, "", ""},
    };
    for (const auto& [name, player, roll, from, to] : rows) {
        GameTable table;
        table.setPosition(oneStepEach);
        table.setTexts(player, "Bitte wuerfeln!");
        table.draws = {static_cast<float>((roll - 0.75) / 5.4)};
        table.engine.wuerfel_Click();
        const auto move = chooseComputerMove(table.engine);
        EXPECT_EQ(move ? nameOf(move->piece) + " " + nameOf(move->destination) : " ", from + " " + to) << name;
    }
}

} // namespace
} // namespace bramlow::test
