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

// Only the game itself writes speicher and speicher2, so a name that is no cell or a
// speicher2 that is no piece code can only come from a fault. Then the code is worked out
// from the cell itself, which still shows the picked-up piece: owner and square colour
// (or home grid) give exactly one code. Nothing when neither way yields a piece.
std::optional<PickedUpPiece> pickedUpPiece(const WindowView& view, const Board& board);

} // namespace bramlow
