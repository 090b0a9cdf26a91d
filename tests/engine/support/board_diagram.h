#pragma once
// Positions as pictures. A diagram is ten rows of ten characters, the top row first, laid
// out like the window:
//
//   "+........+"   Gold's target row g21..g28 between two corners
//   "S.......S."   eight rows from board row 8 down to row 1: Silber's start cell s1k,
//   ...            the board squares bk1..bk8, Silber's target cell s2k
//   "+GGGGGGGG+"   Gold's start row g11..g18
//
// '.' empty, 'S' a Silber piece, 'G' a Gold piece, 's' and 'g' a picked-up piece, '+' a
// corner. The square colour of a board cell comes from its place, as in the game.

#include "engine/cell_code.h"
#include "engine/engine.h"

#include <map>
#include <string>
#include <vector>

namespace bramlow::test {

using Diagram = std::vector<std::string>;

// Field name -> code for all 96 cells; throws std::invalid_argument for a diagram that is
// not ten rows of ten characters or puts a piece where its owner cannot stand.
std::map<std::string, CellCode> codesOf(const Diagram& diagram);

// The engine's current position; a cell whose code is not legal there shows '?'.
Diagram diagramOf(const Engine& engine);

// All 96 field names in diagram order.
const std::vector<std::string>& allFieldNames();

const Diagram& startPosition();

} // namespace bramlow::test
