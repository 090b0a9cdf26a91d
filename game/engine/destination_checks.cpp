#include "engine/destination_checks.h"

#include "engine/game_texts.h"
#include "engine/position.h"

#include <cstdlib>

namespace bramlow {

FramePosition framePosition(const Cell& cell)
{
    const Square square = squareOf(cell);
    return {square / 10, square % 10};
}

const std::string* destinationRefusal(Player player, const Cell& source, const Cell& destination,
                                      CellCode destinationCode, std::int16_t wurf)
{
    // 1. The player's own piece, the picked-up one included.
    if (ownsPiece(player, destinationCode))
        return &message::ownPiece;
    // 2. Either player's start row, for both players.
    if (destination.letter != 'b' && destination.first == 1)
        return &message::startRow;
    // 3. The opponent's home area.
    if (destination.letter != 'b' && destination.letter != homeLetter(player))
        return &message::opponentHome;

    const FramePosition from = framePosition(source);
    const FramePosition to = framePosition(destination);
    // 4. The roll must be met exactly, counted along rows and columns.
    if (std::abs(from.column - to.column) + std::abs(from.row - to.row) != wurf)
        return &message::wrongDistance;
    // 5. Never backwards; sideways is allowed.
    const bool backwards = player == Player::silber ? to.column < from.column : to.row < from.row;
    if (backwards)
        return &message::backwards;
    return nullptr;
}

} // namespace bramlow
