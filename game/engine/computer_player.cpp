#include "engine/computer_player.h"

#include "engine/destination_checks.h"
#include "engine/player.h"

#include <vector>

namespace bramlow {

namespace {

std::vector<Cell> allCells()
{
    std::vector<Cell> cells;
    for (const char letter : {'b', 's', 'g'}) {
        for (int first = 1; first <= (letter == 'b' ? 8 : 2); ++first) {
            for (int second = 1; second <= 8; ++second)
                cells.push_back(*cellAt(letter, first, second));
        }
    }
    return cells;
}

CellClick clickOn(const Cell& cell) { return {cell.letter, cell.index()}; }

} // namespace

std::optional<ComputerMove> chooseComputerMove(const Engine& engine)
{
    const auto player = playerFromText(engine.spielerText());
    if (!player)
        return std::nullopt;
    const std::vector<Cell> cells = allCells();
    for (const Cell& from : cells) {
        const bool inTargetRow = from.letter == homeLetter(*player) && from.first == 2;
        if (!ownsPiece(*player, engine.lese(from)) || inTargetRow)
            continue;
        for (const Cell& to : cells) {
            if (!destinationRefusal(*player, from, to, engine.lese(to), engine.wurf()))
                return ComputerMove{clickOn(from), clickOn(to)};
        }
    }
    return std::nullopt;
}

} // namespace bramlow
