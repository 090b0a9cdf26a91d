#include "engine/computer_player.h"

#include "engine/computer_search.h"
#include "engine/player.h"

namespace bramlow {

namespace {

CellClick clickOn(Square square)
{
    const Cell cell = *cellOf(square);
    return {cell.letter, cell.index()};
}

} // namespace

std::optional<ComputerMove> chooseComputerMove(const Engine& engine)
{
    const auto player = playerFromText(engine.spielerText());
    if (!player)
        return std::nullopt;
    const auto move = bestMove(engine.position(), *player, engine.wurf());
    if (!move)
        return std::nullopt;
    return ComputerMove{clickOn(move->from), clickOn(move->to)};
}

} // namespace bramlow
