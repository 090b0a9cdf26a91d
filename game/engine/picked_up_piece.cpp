#include "engine/picked_up_piece.h"

#include "engine/position.h"

namespace bramlow {

namespace {

std::optional<CellCode> codeShownBefore(const Cell& cell, CellCode now)
{
    if (now == SILBER_SELECTED)
        return restingCode(cell, Occupant::silber);
    if (now == GOLD_SELECTED)
        return restingCode(cell, Occupant::gold);
    return std::nullopt;
}

} // namespace

void rememberPickUp(WindowView& view, const std::string& feld, CellCode before)
{
    view.setText(TextBox::speicher, feld);
    view.setText(TextBox::speicher2, std::to_string(before));
}

std::optional<PickedUpPiece> pickedUpPiece(const WindowView& view, const Board& board)
{
    const auto cell = cellNamed(view.text(TextBox::speicher));
    if (!cell)
        return std::nullopt;
    const CellCode lifted = board.lese(*cell);
    const auto derived = codeShownBefore(*cell, lifted);
    if (!derived)
        return std::nullopt;
    // What the game writes to speicher2 is exactly this code; any other text there, even a
    // code of the same player that does not fit the square, can only come from a fault.
    return PickedUpPiece{*cell, *derived};
}

} // namespace bramlow
