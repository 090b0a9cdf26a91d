#pragma once
// The piece picked up for the current move: its field in the text of speicher, the code
// it had before it was picked up in the text of speicher2 (decimal digits, "9" for a
// Silber piece on an even square).

#include "engine/board.h"
#include "engine/field_name.h"
#include "engine/window_view.h"

#include <optional>
#include <string>

namespace bramlow {

struct PickedUpPiece {
    Cell cell;
    CellCode before = UNUSED_CELL; // SILBER_ODD, SILBER_HOME, ... never a picked-up code
};

// Written when a piece is picked up: speicher := feld, speicher2 := its code.
void rememberPickUp(WindowView& view, const std::string& feld, CellCode before);

// The piece in hand: the cell named in speicher must show a picked-up piece. Its former
// code is worked out from the cell itself (owner and square colour, or home grid, give
// exactly one code), which is what the game keeps in speicher2; a speicher2 that says
// otherwise can only come from a fault and is not trusted. Nothing when no piece is in hand.
std::optional<PickedUpPiece> pickedUpPiece(const WindowView& view, const Board& board);

} // namespace bramlow
