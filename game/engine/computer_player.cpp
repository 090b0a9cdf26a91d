#include "engine/computer_player.h"

#include "engine/beginner_move.h"
#include "engine/computer_search.h"
#include "engine/player.h"
#include "engine/strong_search.h"

namespace bramlow {

namespace {

CellClick clickOn(Square square)
{
    const Cell cell = *cellOf(square);
    return {cell.letter, cell.index()};
}

std::optional<Move> moveAt(ComputerLevel level, const Position& position, Player player, int roll)
{
    switch (level) {
    case ComputerLevel::Leicht: return beginnerMove(position, player, roll);
    case ComputerLevel::Stark: return strongMove(position, player, roll);
    case ComputerLevel::Mittel: break;
    }
    return bestMove(position, player, roll);
}

} // namespace

std::optional<ComputerMove> chooseComputerMove(const Engine& engine, ComputerLevel level)
{
    const auto player = playerFromText(engine.spielerText());
    if (!player)
        return std::nullopt;
    const auto move = moveAt(level, engine.position(), *player, engine.wurf());
    if (!move)
        return std::nullopt;
    return ComputerMove{clickOn(move->from), clickOn(move->to)};
}

std::optional<ComputerMove> chooseComputerMove(const Engine& engine)
{
    return chooseComputerMove(engine, ComputerLevel::Mittel);
}

} // namespace bramlow
