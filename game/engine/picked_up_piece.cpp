#include "engine/picked_up_piece.h"

#include "engine/position.h"

#include <charconv>

namespace bramlow {

namespace {

std::optional<CellCode> parseCode(const std::string& text)
{
    CellCode value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || ptr != end)
        return std::nullopt;
    return value;
}

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
    const auto stored = parseCode(view.text(TextBox::speicher2));
    const bool sameOwner = stored && *stored != lifted &&
                           (lifted == SILBER_SELECTED ? isSilberPiece(*stored) : isGoldPiece(*stored));
    return PickedUpPiece{*cell, sameOwner ? *stored : *derived};
}

} // namespace bramlow
