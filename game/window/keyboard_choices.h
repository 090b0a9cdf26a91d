#pragma once
// Where a click acts now, for the key N on the board: after the roll the player's pieces
// that have a move with it, once one is picked up the fields it may go to. A keyboard turn
// so takes a few presses instead of a walk of the frame across the board.

#include <vector>

namespace bramlow {

class BramlowWindow;
class PictureBox;

// Pieces by their place, destinations the farthest along the player's way first; empty in
// the other phases and when no move is left.
std::vector<PictureBox*> keyboardChoices(const BramlowWindow& window);

} // namespace bramlow
