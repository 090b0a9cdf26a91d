#pragma once
// The five checks that judge a destination, in their fixed order, and the 10 x 10 frame on
// which distances are counted: the board is rows and columns 1..8, the home rows form the
// ring around it (Silber's start row column 0, target row column 9; Gold's start row row
// 0, target row row 9).

#include "engine/cell_code.h"
#include "engine/field_name.h"
#include "engine/player.h"

#include <cstdint>
#include <string>

namespace bramlow {

struct FramePosition {
    int row = 0; // 0..9, bottom to top
    int column = 0; // 0..9, left to right
    bool operator==(const FramePosition&) const = default;
};

FramePosition framePosition(const Cell& cell);

// The message of the first check that refuses moving the piece from `source` to
// `destination` (whose code is `destinationCode`) with the roll `wurf`; nullptr when all
// five pass. Fields in between are never looked at.
const std::string* destinationRefusal(Player player, const Cell& source, const Cell& destination,
                                      CellCode destinationCode, std::int16_t wurf);

} // namespace bramlow
